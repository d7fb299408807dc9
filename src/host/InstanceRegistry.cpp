#include "host/InstanceRegistry.h"

#include "host/HostInstances.h"
#include "spreadsheet/io/SystemRandom.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace morvessa {
namespace {

constexpr const char* kEntrySuffix = ".instance";
constexpr const char* kPartialSuffix = ".partial";

// Whether the folder is a real folder (no link) of this user that nobody else may enter: another
// user must not be able to plant, read or remove entries.
bool IsPrivateFolder(const std::string& folder)
{
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// Creates the folder for this user only (its parents as usual); an existing folder is accepted only
// when it is private already, never changed.
bool EnsurePrivateFolder(const std::string& folder)
{
    std::error_code ec;
    fs::create_directories(fs::path(folder).parent_path(), ec);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsPrivateFolder(folder);
}

char ProcessState(std::int64_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!in || !std::getline(in, stat))
        return '\0';
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size())
        return '\0';
    return stat[close + 2];
}

std::string UniqueEntryName()
{
    static std::atomic<unsigned> counter{0};
    std::ostringstream name;
    // The pid and its start time lead the name, so even an entry that was never finished (a
    // ".partial" left by a crash) tells whose it was.
    name << ::getpid() << '-' << ProcessStartTime(::getpid()) << '-' << counter++ << '-' << std::hex
         << sheet::io::SystemRandom32() << kEntrySuffix;
    return name.str();
}

bool IsEntryName(const fs::path& path)
{
    return path.extension() == kEntrySuffix;
}

bool IsPartialEntryName(const std::string& name)
{
    const std::string suffix = std::string(kEntrySuffix) + kPartialSuffix;
    return name.size() > suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::int64_t ParsePid(const std::string& text)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoll(text);
}

// Whether the process named by an unfinished entry's name ("<pid>-<start>-..." or, from older
// builds, "<pid>-...") still runs.
bool PartialEntryWriterAlive(const std::string& name)
{
    std::vector<std::string> fields;
    std::istringstream parts(name.substr(0, name.find('.')));
    for (std::string field; std::getline(parts, field, '-');)
        fields.push_back(field);
    if (fields.empty())
        return false;
    const std::string start = fields.size() >= 4 ? fields[1] : std::string();
    return InstanceProcessAlive(ParsePid(fields[0]), start);
}

bool EntryProcessAlive(const fs::path& entry)
{
    const auto pidText = ReadInstanceField(entry.string(), "pid");
    const std::string start = ReadInstanceField(entry.string(), "start").value_or("");
    return InstanceProcessAlive(pidText ? ParsePid(*pidText) : 0, start);
}

}  // namespace

std::unique_ptr<InstanceRegistration> InstanceRegistration::Register(const std::string& name,
                                                                     const std::string& version)
{
    const std::string folder = InstanceRegistryFolder();
    if (!EnsurePrivateFolder(folder))
        return nullptr;

    const fs::path entry = fs::path(folder) / UniqueEntryName();
    const fs::path partial = fs::path(entry).concat(kPartialSuffix);
    {
        // Written aside and renamed, so a reader never sees half an entry.
        const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            return nullptr;
        std::ostringstream text;
        text << "pid=" << ::getpid() << '\n'
             << "start=" << ProcessStartTime(::getpid()) << '\n'
             << "name=" << name << '\n'
             << "version=" << version << '\n';
        const std::string bytes = text.str();
        const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        ::close(fd);
        if (!written || ::rename(partial.c_str(), entry.c_str()) != 0) {
            ::unlink(partial.c_str());
            return nullptr;
        }
    }
    return std::unique_ptr<InstanceRegistration>(new InstanceRegistration(entry.string()));
}

InstanceRegistration::~InstanceRegistration()
{
    Remove();
}

void InstanceRegistration::Remove()
{
    if (path_.empty())
        return;
    ::unlink(path_.c_str());
    path_.clear();
}

std::optional<std::string> ReadInstanceField(const std::string& entryPath, const std::string& key)
{
    std::ifstream in(entryPath);
    if (!in)
        return std::nullopt;
    std::string line;
    const std::string prefix = key + "=";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0)
            return line.substr(prefix.size());
    }
    return std::nullopt;
}

std::string ProcessStartTime(std::int64_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!in || !std::getline(in, stat))
        return {};
    // The command name (field 2) may hold blanks and parentheses: count fields after its last ')'.
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return {};
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    // Field 3 is the state; the start time is field 22.
    for (int index = 3; index <= 22 && (fields >> field); ++index) {
        if (index == 22)
            return field;
    }
    return {};
}

bool InstanceProcessAlive(std::int64_t pid, const std::string& startTime)
{
    if (pid <= 0)
        return false;
    // EPERM means the pid belongs to another user's process now: not the one that wrote the entry.
    if (::kill(static_cast<pid_t>(pid), 0) != 0)
        return false;
    const char state = ProcessState(pid);
    if (state == 'Z' || state == 'X')
        return false;
    const std::string now = ProcessStartTime(pid);
    return startTime.empty() || now.empty() || now == startTime;
}

std::optional<RunningInstanceEntry> FindRunningInstance()
{
    const std::string folder = InstanceRegistryFolder();
    if (!IsPrivateFolder(folder))
        return std::nullopt;
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsEntryName(it->path()))
            entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        if (EntryProcessAlive(entry))
            return RunningInstanceEntry{entry.string(),
                                        ParsePid(ReadInstanceField(entry.string(), "pid").value_or(""))};
        // Its process is gone (or the entry is unreadable): nobody will remove it but us.
        fs::remove(entry, ec);
    }
    return std::nullopt;
}

int RemoveStaleInstanceEntries()
{
    const std::string folder = InstanceRegistryFolder();
    if (!IsPrivateFolder(folder))
        return 0;
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path entry = it->path();
        const std::string name = entry.filename().string();
        bool stale = false;
        if (IsEntryName(entry))
            stale = !EntryProcessAlive(entry);
        else if (IsPartialEntryName(name))
            stale = !PartialEntryWriterAlive(name);
        std::error_code removeError;
        if (stale && fs::remove(entry, removeError))
            ++removed;
    }
    return removed;
}

}  // namespace morvessa
