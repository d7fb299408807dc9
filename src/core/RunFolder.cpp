#include "core/RunFolder.h"

#include "core/SharedRoutines.h"
#include "spreadsheet/io/AtomicFile.h"

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <stdexcept>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvessa {
namespace {

constexpr int kSuffixLength = 6;
constexpr int kMaxCreateAttempts = 10;

bool IsRunFolderName(const std::string& name)
{
    for (const char* prefix : {kWindowRunFolderPrefix, kBatchRunFolderPrefix}) {
        const std::string start = prefix;
        if (name.size() != start.size() + kSuffixLength || name.compare(0, start.size(), start) != 0)
            continue;
        bool suffixOk = true;
        for (size_t i = start.size(); i < name.size(); ++i) {
            const char c = name[i];
            suffixOk =
                suffixOk && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
        }
        if (suffixOk)
            return true;
    }
    return false;
}

void LockWaiting(int fd)
{
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

struct ProcessRunFolder {
    std::mutex mutex;
    std::string prefix = kWindowRunFolderPrefix;
    std::string parent;
    std::unique_ptr<PrivateFolder> folder;
};

ProcessRunFolder& TheRunFolder()
{
    // Destroyed at a normal exit, which removes the folder.
    static ProcessRunFolder state;
    return state;
}

}  // namespace

PrivateFolder::PrivateFolder(int fd, std::string path, dev_t device, ino_t inode)
    : fd_(fd), path_(std::move(path)), device_(device), inode_(inode)
{
}

std::unique_ptr<PrivateFolder> PrivateFolder::Create(const std::string& parent, const std::string& prefix)
{
    for (int attempt = 0; attempt < kMaxCreateAttempts; ++attempt) {
        std::string path = parent + "/" + prefix + "XXXXXX";
        if (::mkdtemp(path.data()) == nullptr) {
            throw std::runtime_error("A private folder could not be created in " + parent + " (" +
                                     sheet::io::FileErrorReason(errno) + ").");
        }
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        LockWaiting(fd);
        // A cleaner that took the lock in the instant before us has removed the folder: make another.
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            return std::unique_ptr<PrivateFolder>(new PrivateFolder(fd, path, opened.st_dev, opened.st_ino));
        }
        ::close(fd);
    }
    throw std::runtime_error("A private folder could not be created in " + parent + ".");
}

PrivateFolder::~PrivateFolder()
{
    if (StillThere()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ::close(fd_);
}

bool PrivateFolder::StillThere() const
{
    struct stat named {};
    return ::lstat(path_.c_str(), &named) == 0 && named.st_dev == device_ && named.st_ino == inode_;
}

std::string RunFolder()
{
    ProcessRunFolder& state = TheRunFolder();
    const std::string parent = TempFolder().toStdString();
    std::lock_guard lock(state.mutex);
    if (!state.folder || state.parent != parent || !state.folder->StillThere()) {
        state.folder.reset();
        state.folder = PrivateFolder::Create(parent, state.prefix);
        state.parent = parent;
    }
    return state.folder->path();
}

void SetRunFolderPrefix(const std::string& prefix)
{
    ProcessRunFolder& state = TheRunFolder();
    std::lock_guard lock(state.mutex);
    state.prefix = prefix;
}

int RemoveAbandonedRunFolders(const std::string& parent)
{
    DIR* folder = ::opendir(parent.c_str());
    if (!folder)
        return 0;
    const int parentFd = ::dirfd(folder);
    int removed = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (!IsRunFolderName(name))
            continue;
        struct stat named {};
        if (::fstatat(parentFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(named.st_mode) ||
            named.st_uid != ::geteuid()) {
            continue;
        }
        const int fd = ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        // Its run holds the lock until it ends; a free lock means the run died without cleaning up.
        if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code error;
            std::filesystem::remove_all(parent + "/" + name, error);
            if (!error)
                ++removed;
        }
        ::close(fd);
    }
    ::closedir(folder);
    return removed;
}

}  // namespace morvessa
