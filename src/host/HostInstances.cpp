#include "host/HostInstances.h"

#include "host/InstanceRegistry.h"
#include "host/SnapshotSteps.h"
#include "core/NumericText.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/Application.h"

#include <QDir>
#include <QString>

#include <cctype>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <utility>

#include <unistd.h>

namespace morvessa {

const std::string kExcelNotInstalledMessage = QT_TRANSLATE_NOOP(
    "HostInstances",
    "Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
    "1. Please make sure Excel is installed on this computer.\r\n\r\n"
    "2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any "
    "interrupting window (such as an Excel file recovery window).\r\n\r\n"
    "3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally "
    "without any interrupting messages.\r\n\r\n"
    "4. All versions of Excel are supported by this software except for the rare Excel Starter and "
    "Student editions.");

const std::string kExcelOpenWarningMessage =
    QT_TRANSLATE_NOOP("HostInstances", "Excel may be open. It is recommended that you close Excel first.\r"
                                       "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                                       "Would you like to proceed anyway?");

namespace {

std::mutex& SettingsMutex()
{
    static std::mutex mutex;
    return mutex;
}

InstanceFactory& CurrentFactory()
{
    static InstanceFactory factory;
    return factory;
}

std::string& RegistryFolderOverride()
{
    static std::string folder;
    return folder;
}

bool IsHostProgId(std::string_view progId)
{
    // ProgIDs are not case-sensitive.
    if (progId.size() != kHostProgId.size())
        return false;
    for (size_t i = 0; i < progId.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(progId[i])) !=
            std::tolower(static_cast<unsigned char>(kHostProgId[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

InstanceFactoryHook::Value& InstanceFactoryHook::Slot()
{
    return CurrentFactory();
}

std::mutex& InstanceFactoryHook::Mutex()
{
    return SettingsMutex();
}

InstanceRegistryFolderHook::Value& InstanceRegistryFolderHook::Slot()
{
    return RegistryFolderOverride();
}

std::mutex& InstanceRegistryFolderHook::Mutex()
{
    return SettingsMutex();
}

std::string InstanceRegistryFolder()
{
    {
        std::lock_guard lock(SettingsMutex());
        if (!RegistryFolderOverride().empty())
            return RegistryFolderOverride();
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && QDir(QString::fromLocal8Bit(runtime)).exists()) {
        return std::string(runtime) + "/morvessa-instances";
    }
    return QDir::tempPath().toStdString() + "/morvessa-instances-" + std::to_string(::getuid());
}

ApplicationPtr CreateObject(std::string_view progId)
{
    if (!IsHostProgId(progId)) {
        throw HostInstanceError("ActiveX component can't create object");
    }
    InstanceFactory factory;
    {
        std::lock_guard lock(SettingsMutex());
        factory = CurrentFactory();
    }
    ApplicationPtr app = factory ? factory() : std::make_shared<sheet::Application>();
    if (!app)
        throw HostInstanceError("ActiveX component can't create object");
    app->SetPictureSink(&DrawingPictureSink());

    // Listed while it runs: quitting (or dropping the last reference) takes the entry away.
    std::shared_ptr<InstanceRegistration> registration =
        InstanceRegistration::Register(std::string(kHostName), app->Version());
    if (registration) {
        app->OnQuit([registration] { registration->Remove(); });
    }
    return app;
}

AttachedInstance::AttachedInstance(std::string entryPath, std::int64_t pid)
    : entryPath_(std::move(entryPath)), pid_(pid)
{
}

std::string AttachedInstance::ReadField(std::string_view key) const
{
    const auto start = ReadInstanceField(entryPath_, "start");
    const auto value = ReadInstanceField(entryPath_, std::string(key));
    if (!value || !start || !InstanceProcessAlive(pid_, *start)) {
        throw HostInstanceError("The remote server machine does not exist or is unavailable");
    }
    return *value;
}

std::string AttachedInstance::Name() const
{
    return ReadField("name");
}

std::string AttachedInstance::Version() const
{
    return ReadField("version");
}

AttachedInstance GetObject(std::string_view progId)
{
    if (!IsHostProgId(progId))
        throw HostInstanceError("ActiveX component can't create object");
    const auto entry = FindRunningInstance();
    if (!entry)
        throw HostInstanceError("ActiveX component can't create object");
    return AttachedInstance(entry->path, entry->pid);
}

void CheckExcelInstalled(InstanceCheckUi& ui)
{
    ApplicationPtr app;
    try {
        app = CreateObject(kHostProgId);
    } catch (...) {
        // Every failure only means "no instance": the box below says what to do.
    }
    if (app)
        return;  // released without Quit, as a user's instance would be
    ui.ShowMessage(kExcelNotInstalledMessage);
    ui.EndProgram();
}

bool IsExcelRunning()
{
    try {
        return GetObject(kHostProgId).Name() == kHostName;
    } catch (...) {
        return false;
    }
}

bool WarnExcelOpen(InstanceCheckUi& ui)
{
    if (!IsExcelRunning())
        return false;
    return !ui.AskYesNo(kExcelOpenWarningMessage);
}

std::int32_t XlsFileFormatForVersion(const std::string& versionText)
{
    const QString local = ConvertDecimalSeparator(QString::fromStdString(versionText), false);
    const std::int32_t whole = ToWholeNumber(local);
    // The major version is held in 16 bits.
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        throw ConversionError(kOverflow);
    }
    return whole < 12 ? kXlsFileFormatNormal : kXlsFileFormat97;
}

std::int32_t GetXlsFileFormat(sheet::Application* app)
{
    std::string version;
    if (app) {
        version = app->Version();
    } else {
        ApplicationPtr fresh = CreateObject(kHostProgId);
        version = fresh->Version();
        fresh->Quit();
    }
    return XlsFileFormatForVersion(version);
}

ApplicationPtr OpenWorkbookInNewInstance(const std::string& path)
{
    ApplicationPtr app = CreateObject(kHostProgId);
    app->Workbooks().Open(path);
    return app;
}

}  // namespace morvessa
