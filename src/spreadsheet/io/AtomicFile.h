#pragma once
// Files that are replaced in one step: the new content is written to a partial file beside the
// target and renamed over it, so the target is always either the old file or the complete new one.
// Plain POSIX, no Qt: the engine saves through it and so do the windows and the batch tool.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/types.h>

namespace morvessa::sheet::io {

// A file could not be read or written. what() is "<path>: <reason>", the reason in plain words
// ("the disk is full" rather than an error number).
class FileError : public std::runtime_error {
public:
    FileError(const std::string& path, int errorNumber);
    FileError(const std::string& path, const std::string& reason);
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }
    int errorNumber() const { return errorNumber_; }

private:
    std::string path_;
    std::string reason_;
    int errorNumber_ = 0;
};

// The reason for an errno value as a user reads it: ENOSPC is "the disk is full", EDQUOT "the disk
// quota is used up", EFBIG "the file is larger than this disk or the process may write"; anything
// else is the system's text.
std::string FileErrorReason(int errorNumber);

// Why a folder, socket or disk device is neither read nor replaced as a file.
inline constexpr const char* kNotAFileReason = "it is not a file";
// Why ReadWholeFile refused a file over its limit.
inline constexpr const char* kTooLargeReason = "the file is too large";

// Partial files are named "<target>.partial-" and six letters or digits.
inline constexpr const char* kPartialInfix = ".partial-";

enum class Durability {
    // Flushed to the disk before it takes the target's name: for files the user keeps.
    Synced,
    // Left to the system's cache: for scratch files that live for seconds.
    Cached,
};

// Puts `bytes` at `target` in one step. A character device or FIFO at the target (/dev/stdout, a
// pipe) is written into instead, without waiting for a reader; any other target that is not a file
// or a link is refused. The partial file is created exclusively under a random
// name, never through a link (O_CREAT|O_EXCL|O_NOFOLLOW), and locked while it is written, so a
// later run can tell an abandoned one from one still being written. An existing target keeps its
// permission bits; a new one gets `newFileMode` (less the umask). A link at the target is followed
// only when this user owns it (as the kernel's protected links rule does); a link of another user
// is replaced, never written through. Abandoned partial files of the same target are removed first.
// Throws FileError; on failure the target is untouched and no partial file remains.
void ReplaceFileAtomically(const std::string& target, std::span<const uint8_t> bytes,
                           Durability durability = Durability::Synced, mode_t newFileMode = 0666);

// Receives the new content piece by piece; each piece is written before the call returns.
using FileSink = std::function<void(std::span<const uint8_t>)>;

// The same for content made piece by piece (a picture row by row), so that it is never held whole
// in memory: `produce` hands every piece to the sink in order. What `produce` throws ends the
// write as a failed one (the target untouched) and is passed on.
void ReplaceFileAtomically(const std::string& target, const std::function<void(const FileSink&)>& produce,
                           Durability durability = Durability::Synced, mode_t newFileMode = 0666);

// Files replaced together, each as safely as by ReplaceFileAtomically, but waiting for the disk
// once for all of them instead of twice for each: Add writes a file's new content to its partial
// file at once; Commit flushes each disk that holds them once, renames each over its target, then
// flushes each folder once. Until Commit the targets keep their old content; after a crash only partial files
// are left, which RemoveAbandonedPartialFiles clears. Each pending file holds a descriptor, so the
// caller commits every few dozen files.
class ReplacementBatch {
public:
    ReplacementBatch();
    // What was not committed is removed again; its targets stay as they were.
    ~ReplacementBatch();
    ReplacementBatch(const ReplacementBatch&) = delete;
    ReplacementBatch& operator=(const ReplacementBatch&) = delete;

    // Throws FileError (the target untouched, nothing pending for it).
    void Add(const std::string& target, std::span<const uint8_t> bytes, mode_t newFileMode = 0666);
    std::size_t Pending() const;
    // One error for each target that could not be replaced (it keeps its old content); the others
    // hold their new content, safely on the disk. Nothing is pending afterwards.
    std::vector<FileError> Commit();

private:
    struct Entry;
    std::vector<Entry> entries_;
};

// Removes partial files of `target` that this user owns and that no live process holds (their
// writer died, e.g. killed during the write). Returns how many were removed. Never throws.
int RemoveAbandonedPartialFiles(const std::string& target);

// Removes the files in `folder` named `namePrefix` and six letters that this user owns and that no
// live process holds, as above. Never throws.
int RemoveAbandonedFiles(const std::string& folder, const std::string& namePrefix);

// True for an existing file this process may not write (or, for root, one with no write bit): the
// user set it read-only, so replacing it is asked about or refused by the caller.
bool IsReadOnlyFile(const std::string& path);

class LockedFile;

// A scratch file for a library that writes only to a named file: "<folder>/<namePrefix>" and six
// letters, created exclusively and locked while it lives, removed when it goes. One left by a killed
// run is found by RemoveAbandonedFiles with the same prefix. Throws FileError.
class ScratchFile {
public:
    ScratchFile(const std::string& folder, const std::string& namePrefix);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& Path() const;

private:
    std::unique_ptr<LockedFile> file_;
};

// The whole content of a regular file of at most `maxBytes` bytes. Throws FileError.
std::vector<uint8_t> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes);

}  // namespace morvessa::sheet::io
