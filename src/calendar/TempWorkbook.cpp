#include "calendar/TempWorkbook.h"

#include "core/SharedRoutines.h"

#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
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

std::string TempWorkbookPathFor(const std::string& name)
{
    return QDir::toNativeSeparators(TempFolder() + QDir::separator() + QString::fromStdString(name))
        .toStdString();
}

ExclusiveCreate CreateFileExclusively(const std::string& path)
{
    // O_EXCL also refuses a dangling symbolic link, so a planted link is never followed.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return ExclusiveCreate::AlreadyExists;
        throw std::runtime_error("Cannot create the temporary workbook " + path + ": " +
                                 std::strerror(errno));
    }
    ::close(fd);
    return ExclusiveCreate::Created;
}

}  // namespace morvessa
