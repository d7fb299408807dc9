#pragma once
// This user's table of running host instances: one small file per live instance in a folder only
// the user can reach. A process lists its instances there; any process of the user can find them.
// Entries of processes that have died (or whose pid now belongs to another process) are ignored
// and removed.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace morvessa {

// One instance's entry; the entry goes when this object is destroyed or Remove is called.
class InstanceRegistration {
public:
    // Lists an instance of this process. Returns null when the table cannot be written (an unsafe
    // or unwritable folder): the instance then works but cannot be attached from elsewhere.
    static std::unique_ptr<InstanceRegistration> Register(const std::string& name,
                                                          const std::string& version);
    ~InstanceRegistration();
    InstanceRegistration(const InstanceRegistration&) = delete;
    InstanceRegistration& operator=(const InstanceRegistration&) = delete;

    void Remove();
    const std::string& path() const { return path_; }

private:
    explicit InstanceRegistration(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

struct RunningInstanceEntry {
    std::string path;
    std::int64_t pid = 0;
};

// The first entry (in a stable order) whose process is alive; stale entries are deleted on the way.
std::optional<RunningInstanceEntry> FindRunningInstance();

// Removes every entry, finished or not (".instance.partial"), whose process has ended: what runs
// that were killed left behind. Returns how many. Never throws.
int RemoveStaleInstanceEntries();

// Reads one "key=value" field of an entry; empty when the entry or the field is missing.
std::optional<std::string> ReadInstanceField(const std::string& entryPath, const std::string& key);

// Whether the process that wrote an entry still runs: the pid exists, is not a zombie and (where
// the system tells) started at the recorded time.
bool InstanceProcessAlive(std::int64_t pid, const std::string& startTime);

// The start time of a process as the system records it ("" where unknown); guards against a pid
// reused by a later process.
std::string ProcessStartTime(std::int64_t pid);

}  // namespace morvessa
