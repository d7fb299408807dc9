#pragma once
// The private folder of one run of the program or the batch tool inside the temporary folder: the
// temporary workbook and the snapshot picture live there, out of reach of other users of a shared
// TEMP and of other runs. The folder is locked for as long as its process runs, so a later start
// can tell the folder of a crashed run from one in use and remove it.

#include <memory>
#include <string>

#include <sys/types.h>

namespace morvessa {

// The names of run folders: the prefix and six letters or digits.
inline constexpr const char* kWindowRunFolderPrefix = "morvessa-run-";
inline constexpr const char* kBatchRunFolderPrefix = "morvessa-batch-";

class PrivateFolder {
public:
    // Creates parent/prefixXXXXXX, mode 0700, and locks it. Throws std::runtime_error naming the
    // parent folder and the reason.
    static std::unique_ptr<PrivateFolder> Create(const std::string& parent, const std::string& prefix);
    // Removes the folder and everything in it (a link in it goes itself; nothing is followed).
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::string& path() const { return path_; }
    // Whether the path still names this folder (someone may have deleted it meanwhile).
    bool StillThere() const;

private:
    PrivateFolder(int fd, std::string path, dev_t device, ino_t inode);
    int fd_;
    std::string path_;
    dev_t device_;
    ino_t inode_;
};

// This process's run folder inside TempFolder(): created on first use, created anew when TEMP
// changed or the folder went, removed when the process ends normally. Throws std::runtime_error
// when it cannot be made.
std::string RunFolder();

// The prefix of this process's run folder (kWindowRunFolderPrefix unless a tool sets its own before
// the first RunFolder()).
void SetRunFolderPrefix(const std::string& prefix);

// Removes this user's run folders in `parent` (both prefixes) whose process has ended, that is
// whose lock nobody holds, with everything in them. Returns how many. Never throws.
int RemoveAbandonedRunFolders(const std::string& parent);

}  // namespace morvessa
