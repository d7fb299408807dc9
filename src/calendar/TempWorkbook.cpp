#include "calendar/TempWorkbook.h"

#include "core/ErrorTrap.h"
#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include "spreadsheet/io/AtomicFile.h"

#include <cerrno>
#include <ctime>
#include <stdexcept>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvessa {

std::string RandomTempWorkbookName()
{
    // The system generator, not a clock-seeded one: names drawn in the same second must differ and
    // must not be guessable by another user of the shared folder.
    std::string name = kTempWorkbookPrefix;
    for (int i = 0; i < kTempWorkbookDigits; ++i)
        name += static_cast<char>('0' + QRandomGenerator::system()->bounded(1, 10));
    return name + ".xls";
}

std::string TempWorkbookPathIn(const std::string& folder, const std::string& name)
{
    return folder + "/" + name;
}

ExclusiveCreate CreateFileExclusively(const std::string& path)
{
    // O_EXCL also refuses a dangling symbolic link, so a planted link is never followed. Only this
    // user may read it: the holiday names are the user's own.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            return ExclusiveCreate::AlreadyExists;
        const std::string reason = TranslatedReportText(sheet::io::FileErrorReason(errno));
        throw std::runtime_error(
            QCoreApplication::translate("ErrorReport", "Cannot create the temporary workbook %1: %2")
                .arg(QString::fromStdString(path), QString::fromStdString(reason))
                .toStdString());
    }
    ::close(fd);
    return ExclusiveCreate::Created;
}

int RemoveAbandonedTempWorkbooks(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const int folderFd = ::dirfd(dir);
    const time_t now = ::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTempWorkbookName(name))
            continue;
        struct stat st {};
        if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || now - st.st_mtime < kAbandonedTempWorkbookSeconds) {
            continue;
        }
        if (::unlinkat(folderFd, name.c_str(), 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

bool IsTempWorkbookName(const std::string& name)
{
    const std::string prefix = kTempWorkbookPrefix;
    const std::string suffix = ".xls";
    if (name.size() != prefix.size() + kTempWorkbookDigits + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    for (int i = 0; i < kTempWorkbookDigits; ++i) {
        const char digit = name[prefix.size() + static_cast<size_t>(i)];
        if (digit < '1' || digit > '9')
            return false;
    }
    return true;
}

}  // namespace morvessa
