#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/io/SystemRandom.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvessa::sheet::io {

// An open file of ours, locked: removed again unless Release is called (after the rename).
class LockedFile {
public:
    LockedFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~LockedFile()
    {
        if (!released_)
            ::unlink(path_.c_str());
        if (fd_ >= 0)
            ::close(fd_);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    void Release() { released_ = true; }

private:
    int fd_;
    std::string path_;
    bool released_ = false;
};

namespace {

constexpr int kSuffixLength = 6;
constexpr int kMaxNameAttempts = 100;
// As many links as the kernel follows in one path.
constexpr int kMaxLinkDepth = 40;

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsSuffixChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string RandomSuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix += kChars[SystemRandomBelow(static_cast<int>(sizeof(kChars)) - 1)];
    return suffix;
}

bool IsPartialNameOf(const std::string& name, const std::string& prefix)
{
    if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (size_t i = prefix.size(); i < name.size(); ++i) {
        if (!IsSuffixChar(name[i]))
            return false;
    }
    return true;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The file the user means by `target`: links this user made are followed (a document kept
// elsewhere stays there); a link another user planted is not, so its name is what gets replaced.
std::string ResolveOwnLinks(const std::string& target)
{
    std::string path = target;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode) || st.st_uid != ::geteuid())
            return path;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<size_t>(length) >= link.size())
            return path;
        link.resize(static_cast<size_t>(length));
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    return path;
}

// Creates and locks a new file named `prefix` and six random letters. The lock is what tells a
// live write from an abandoned one; a cleaner that took it in the instant before we did has removed
// the file, so the name is checked again once the lock is ours. Errors name `shownPath`.
std::unique_ptr<LockedFile> CreateLockedFile(const std::string& prefix, mode_t mode, const std::string& shownPath)
{
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const std::string path = prefix + RandomSuffix();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            throw FileError(shownPath, errno);
        }
        auto partial = std::make_unique<LockedFile>(fd, path);
        struct stat opened {};
        struct stat named {};
        while (::flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR)
                throw FileError(shownPath, errno);
        }
        if (::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named))
            return partial;
        partial->Release();  // the name is no longer ours: never unlink it
    }
    throw FileError(shownPath, "no unused name for a partial file could be found");
}

void WriteAll(int fd, std::span<const uint8_t> bytes, const std::string& target)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(target, errno);
        }
        if (written == 0)
            throw FileError(target, ENOSPC);
        done += static_cast<size_t>(written);
    }
}

bool IsStream(mode_t mode)
{
    return S_ISCHR(mode) || S_ISFIFO(mode);
}

// A character device or a pipe (/dev/null, /dev/stdout, a FIFO) cannot be replaced and must not
// be: what a command-line user means by it is "write there". Opened without waiting, so a FIFO that
// nobody reads is an error rather than a hang.
void WriteIntoStream(const std::string& target, const std::function<void(const FileSink&)>& produce)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENXIO)
            throw FileError(target, "no program is reading from it");
        throw FileError(target, errno);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat opened {};
    // Whatever took the name since it was looked at is never written into.
    if (::fstat(fd, &opened) != 0 || !IsStream(opened.st_mode))
        throw FileError(target, "it changed while it was being opened");
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    try {
        produce([&](std::span<const uint8_t> piece) { WriteAll(fd, piece, target); });
    } catch (const FileError& error) {
        // "The disk is full" would mislead for /dev/full or a full tape.
        if (error.errorNumber() == ENOSPC)
            throw FileError(target, "no space is left on the device");
        throw;
    }
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);  // best effort: the rename is done either way
    ::close(fd);
}

// A replacement between its partial file being written and its rename.
struct PendingReplacement {
    std::string target;
    std::string destination;
    std::unique_ptr<LockedFile> partial;
};

// Writes the new content of `target` to a partial file beside the file it names; the target itself
// is not touched yet.
PendingReplacement WriteReplacement(const std::string& target,
                                    const std::function<void(const FileSink&)>& produce, mode_t newFileMode)
{
    PendingReplacement pending{target, ResolveOwnLinks(target), nullptr};
    struct stat existing {};
    const bool exists = ::lstat(pending.destination.c_str(), &existing) == 0;
    RemoveAbandonedPartialFiles(pending.destination);

    pending.partial = CreateLockedFile(pending.destination + kPartialInfix, newFileMode, target);
    // The old file's permissions from the start, so its content is never more open than it was.
    if (exists && S_ISREG(existing.st_mode))
        ::fchmod(pending.partial->fd(), existing.st_mode & 07777);

    const int fd = pending.partial->fd();
    produce([&](std::span<const uint8_t> piece) { WriteAll(fd, piece, target); });
    return pending;
}

void RenameIntoPlace(PendingReplacement& pending)
{
    // A folder, socket or device is never replaced by a file; another user's link is.
    struct stat existing {};
    if (::lstat(pending.destination.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
        !S_ISLNK(existing.st_mode))
        throw FileError(pending.target, kNotAFileReason);
    if (::rename(pending.partial->path().c_str(), pending.destination.c_str()) != 0)
        throw FileError(pending.target, errno);
    pending.partial->Release();
}

}  // namespace

FileError::FileError(const std::string& path, int errorNumber) : FileError(path, FileErrorReason(errorNumber))
{
    errorNumber_ = errorNumber;
}

FileError::FileError(const std::string& path, const std::string& reason)
    : std::runtime_error(path + ": " + reason), path_(path), reason_(reason)
{
}

std::string FileErrorReason(int errorNumber)
{
    switch (errorNumber) {
    case 0:
        return "an unknown error";
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "the disk quota is used up";
    case EFBIG:
        return "the file is larger than this disk or this process may write";
    case EROFS:
        return "the disk is read-only";
    case ELOOP:
        return "the name is a link, which is not followed";
    default:
        return std::generic_category().message(errorNumber);
    }
}

void ReplaceFileAtomically(const std::string& target, std::span<const uint8_t> bytes, Durability durability,
                           mode_t newFileMode)
{
    ReplaceFileAtomically(
        target, [&](const FileSink& sink) { sink(bytes); }, durability, newFileMode);
}

void ReplaceFileAtomically(const std::string& target, const std::function<void(const FileSink&)>& produce,
                           Durability durability, mode_t newFileMode)
{
    struct stat reached {};
    if (::stat(target.c_str(), &reached) == 0 && IsStream(reached.st_mode)) {
        WriteIntoStream(target, produce);
        return;
    }
    PendingReplacement pending = WriteReplacement(target, produce, newFileMode);
    if (durability == Durability::Synced && ::fsync(pending.partial->fd()) != 0)
        throw FileError(target, errno);
    RenameIntoPlace(pending);
    if (durability == Durability::Synced)
        SyncFolder(FolderOf(pending.destination));
}

struct ReplacementBatch::Entry : PendingReplacement {};

ReplacementBatch::ReplacementBatch() = default;
ReplacementBatch::~ReplacementBatch() = default;

void ReplacementBatch::Add(const std::string& target, std::span<const uint8_t> bytes, mode_t newFileMode)
{
    entries_.push_back(
        Entry{WriteReplacement(target, [&](const FileSink& sink) { sink(bytes); }, newFileMode)});
}

std::size_t ReplacementBatch::Pending() const
{
    return entries_.size();
}

std::vector<FileError> ReplacementBatch::Commit()
{
    std::vector<Entry> entries = std::move(entries_);
    entries_.clear();
    std::vector<FileError> failures;
    // One flush of each disk holds every partial file on it (one wait instead of one per file);
    // only then may the names move, and the folders that hold the names are flushed last.
    std::vector<std::pair<dev_t, int>> disks;  // a disk and its flush's errno (0: flushed)
    std::vector<std::string> folders;
    for (Entry& entry : entries) {
        const int fd = entry.partial->fd();
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            st.st_dev = 0;
        auto disk = std::find_if(disks.begin(), disks.end(), [&](const auto& d) { return d.first == st.st_dev; });
        if (disk == disks.end())
            disk = disks.insert(disks.end(), {st.st_dev, ::syncfs(fd) == 0 ? 0 : errno});
        try {
            // A disk that refused the flush is asked for this file alone before the file is given up.
            if (disk->second != 0 && ::fsync(fd) != 0)
                throw FileError(entry.target, errno);
            RenameIntoPlace(entry);
        } catch (const FileError& error) {
            failures.push_back(error);
            continue;
        }
        const std::string folder = FolderOf(entry.destination);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    for (const std::string& folder : folders)
        SyncFolder(folder);
    return failures;
}

bool IsReadOnlyFile(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Root may write anything, so for root the file's own bits say whether it was meant to be kept.
    return (st.st_mode & 0222) == 0 ||
           (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES);
}

ScratchFile::ScratchFile(const std::string& folder, const std::string& namePrefix)
{
    file_ = CreateLockedFile(folder + "/" + namePrefix, 0600, folder);
}

ScratchFile::~ScratchFile() = default;

const std::string& ScratchFile::Path() const
{
    return file_->path();
}

int RemoveAbandonedPartialFiles(const std::string& target)
{
    return RemoveAbandonedFiles(FolderOf(target), NameOf(target) + kPartialInfix);
}

int RemoveAbandonedFiles(const std::string& folderPath, const std::string& prefix)
{
    DIR* folder = ::opendir(folderPath.c_str());
    if (!folder)
        return 0;
    const int folderFd = ::dirfd(folder);
    int removed = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (!IsPartialNameOf(name, prefix))
            continue;
        const int fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        // Only our own plain files whose writer is gone; the lock is held while one is written.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(folderFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named) &&
            ::unlinkat(folderFd, name.c_str(), 0) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    ::closedir(folder);
    return removed;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes)
{
    // Without waiting: a FIFO with no writer is refused below instead of blocking the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw FileError(path, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw FileError(path, errno);
    if (!S_ISREG(st.st_mode))
        throw FileError(path, kNotAFileReason);
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        throw FileError(path, kTooLargeReason);
    std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path, errno);
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    // A file that shrank while it was read is returned as it was read; the caller checks content.
    bytes.resize(done);
    return bytes;
}

}  // namespace morvessa::sheet::io
