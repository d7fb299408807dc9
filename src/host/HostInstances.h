#pragma once
// Instances of the embedded spreadsheet host: creation by ProgID, the per-user table of running
// instances that makes "attach to the running instance" work across this user's processes, the
// start-up install check, the "already open" warning, the .xls file-format choice, and reopening a
// saved workbook in a fresh instance. Instances are never shown.

#include "core/ScopedOverride.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvessa {

namespace sheet {
class Application;
}

// The ProgID the program asks for, and the name (default property) every instance reports.
inline constexpr std::string_view kHostProgId = "Excel.Application";
inline constexpr std::string_view kHostName = "Microsoft Excel";

// The file-format codes SaveAs takes.
inline constexpr std::int32_t kXlsFileFormat97 = 56;
inline constexpr std::int32_t kXlsFileFormatNormal = -4143;

// The install check's message, and the warning's question, exactly as the boxes show them.
extern const std::string kExcelNotInstalledMessage;
extern const std::string kExcelOpenWarningMessage;

// An instance could not be created or attached (unknown ProgID, creation refused, nothing running).
class HostInstanceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using ApplicationPtr = std::shared_ptr<sheet::Application>;

// Makes the engine object behind CreateObject. Tests install one that throws, to see creation fail.
using InstanceFactory = std::function<ApplicationPtr()>;

// Replaces the factory for one scope (an empty factory means the real engine) and restores the
// previous one afterwards.
struct InstanceFactoryHook {
    using Value = InstanceFactory;
    static Value& Slot();
    static std::mutex& Mutex();
};
using ScopedInstanceFactory = ScopedOverride<InstanceFactoryHook>;

// A new, invisible instance for the ProgID "Excel.Application" (the only one known; any other
// throws HostInstanceError). It is listed in this user's running-instance table until it quits or
// its last reference goes.
ApplicationPtr CreateObject(std::string_view progId);

// A running instance found in this user's table; it may live in another process, so it offers
// only what an attacher reads. Reading a member of an instance that has gone since throws.
class AttachedInstance {
public:
    AttachedInstance(std::string entryPath, std::int64_t pid);
    // The default property: the instance's name ("Microsoft Excel" for ours).
    std::string Name() const;
    std::string Version() const;
    std::int64_t pid() const { return pid_; }

private:
    std::string ReadField(std::string_view key) const;
    std::string entryPath_;
    std::int64_t pid_;
};

// Attaches to a running instance of the ProgID of this user (any of the user's processes). Entries
// of processes that died are removed on the way. Throws HostInstanceError when none is running.
AttachedInstance GetObject(std::string_view progId);

// Where the running-instance table lives: a folder private to this user under XDG_RUNTIME_DIR, else
// under the system's temporary folder, named by the user id.
std::string InstanceRegistryFolder();

// Points the table at another folder for one scope (tests, so they never meet real instances).
struct InstanceRegistryFolderHook {
    using Value = std::string;
    static Value& Slot();
    static std::mutex& Mutex();
};
using ScopedInstanceRegistryFolder = ScopedOverride<InstanceRegistryFolderHook>;

// What the instance checks need from the windows: the main window shows message boxes (application
// title, no icon) and ends the process; tests record and answer.
class InstanceCheckUi {
public:
    virtual ~InstanceCheckUi() = default;
    // A box with an OK button only; returns when it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // A box with Yes and No buttons; true when the answer is Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // Ends the program at once: no further window events, nothing saved. The program's
    // implementation does not return; a test's may.
    virtual void EndProgram() = 0;
};

// The start-up check: creates one instance and releases it (no Quit). When none can be created,
// shows kExcelNotInstalledMessage and ends the program through the ui.
void CheckExcelInstalled(InstanceCheckUi& ui);

// True when a running instance of this user can be attached and its name is exactly
// "Microsoft Excel". Every failure gives false, silently. The instance is never told to quit.
bool IsExcelRunning();

// True means generation must not start: an instance is running and the user did not answer Yes.
bool WarnExcelOpen(InstanceCheckUi& ui);

// 56 for a host of major version 12 or later, -4143 below. Without an instance, a fresh one is
// created, asked and quit. Failures (creation, a version text that is no number) propagate to the
// caller's trap.
std::int32_t GetXlsFileFormat(sheet::Application* app = nullptr);
// The rule on its own, for a version text such as "16.0" (decimal separator of any locale).
std::int32_t XlsFileFormatForVersion(const std::string& versionText);

// A new instance with the workbook at path opened; the caller takes Workbooks(Workbooks.Count).
ApplicationPtr OpenWorkbookInNewInstance(const std::string& path);

}  // namespace morvessa
