#include "spreadsheet/Application.h"

#include <algorithm>
#include <filesystem>

#include "spreadsheet/HostError.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet {
namespace {

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

// ---- Workbooks ------------------------------------------------------------------------------------

Workbook& Workbooks::Add()
{
    application_->CheckAlive();
    auto workbook = std::make_unique<Workbook>(application_);
    workbook->SetName("Book" + std::to_string(++application_->workbookCounter_));
    for (int i = 0; i < application_->sheetsInNewWorkbook_; ++i)
        workbook->AddSheet(workbook->NextSheetName());
    workbook->SetActiveSheetIndex(1);
    return application_->AttachWorkbook(std::move(workbook));
}

Workbook& Workbooks::Open(const std::string& path)
{
    application_->CheckAlive();
    std::string name = std::filesystem::path(path).filename().string();
    for (const auto& open : application_->open_) {
        if (SameText(open->Name(), name))
            throw HostError("A document with the name '" + name + "' is already open.");
    }
    std::unique_ptr<Workbook> workbook = xls::OpenWorkbook(path);
    if (!workbook || workbook->SheetCount() == 0)
        throw HostError("The file '" + path + "' holds no worksheet.");
    workbook->application_ = application_;
    workbook->SetName(name);
    workbook->fullName_ = path;
    if (workbook->ActiveSheetIndex() < 1)
        workbook->SetActiveSheetIndex(1);
    return application_->AttachWorkbook(std::move(workbook));
}

int Workbooks::Count() const
{
    application_->CheckAlive();
    return int(application_->open_.size());
}

Workbook& Workbooks::Item(int index) const
{
    application_->CheckAlive();
    if (index < 1 || std::size_t(index) > application_->open_.size())
        throw SubscriptError();
    return *application_->open_[std::size_t(index - 1)];
}

Workbook& Workbooks::Item(std::string_view name) const
{
    application_->CheckAlive();
    for (const auto& workbook : application_->open_)
        if (SameText(workbook->Name(), name))
            return *workbook;
    throw SubscriptError();
}

// ---- Application ----------------------------------------------------------------------------------

Application::Application(std::string version) : version_(std::move(version))
{
}

Application::~Application() = default;

void Application::CheckAlive() const
{
    if (quit_)
        throw DisconnectedError();
}

bool Application::ScreenUpdating() const
{
    CheckAlive();
    return screenUpdating_;
}
void Application::ScreenUpdating(bool on)
{
    CheckAlive();
    screenUpdating_ = on;
}
bool Application::DisplayAlerts() const
{
    CheckAlive();
    return displayAlerts_;
}
void Application::DisplayAlerts(bool on)
{
    CheckAlive();
    displayAlerts_ = on;
}
bool Application::EnableEvents() const
{
    CheckAlive();
    return enableEvents_;
}
void Application::EnableEvents(bool on)
{
    CheckAlive();
    enableEvents_ = on;
}
int Application::EnableCancelKey() const
{
    CheckAlive();
    return enableCancelKey_;
}
void Application::EnableCancelKey(int mode)
{
    CheckAlive();
    if (mode != xlDisabled && mode != xlInterrupt && mode != xlErrorHandler)
        throw PropertyError("EnableCancelKey", "Application");
    enableCancelKey_ = mode;
}
int Application::Cursor() const
{
    CheckAlive();
    return cursor_;
}
void Application::Cursor(int cursor)
{
    CheckAlive();
    if (cursor != xlDefault && cursor != xlWait && cursor != xlNorthwestArrow && cursor != xlIBeam)
        throw PropertyError("Cursor", "Application");
    cursor_ = cursor;
}
int Application::CutCopyMode() const
{
    CheckAlive();
    return clipboard_ ? xlCopy : 0;
}
void Application::CutCopyMode(bool on)
{
    CheckAlive();
    // Only switching it off means anything: it forgets what was copied.
    if (!on)
        clipboard_.reset();
}
int Application::SheetsInNewWorkbook() const
{
    CheckAlive();
    return sheetsInNewWorkbook_;
}
void Application::SheetsInNewWorkbook(int count)
{
    CheckAlive();
    if (count < 1 || count > 255)
        throw PropertyError("SheetsInNewWorkbook", "Application");
    sheetsInNewWorkbook_ = count;
}
bool Application::Visible() const
{
    CheckAlive();
    return visible_;
}
void Application::Visible(bool visible)
{
    CheckAlive();
    visible_ = visible;
}
std::string Application::Version() const
{
    CheckAlive();
    return version_;
}
std::string Application::Name() const
{
    CheckAlive();
    return "Microsoft Excel";
}

void Application::Quit()
{
    CheckAlive();
    quit_ = true;
    clipboard_.reset();
    active_ = nullptr;
    // Listeners may drop their own references to this instance; run a copy.
    auto listeners = quitListeners_;
    for (auto& listener : listeners)
        if (listener)
            listener();
}

void Application::OnQuit(std::function<void()> listener)
{
    quitListeners_.push_back(std::move(listener));
}

Workbooks& Application::Workbooks()
{
    CheckAlive();
    return workbooks_;
}

Workbook& Application::ActiveWorkbook()
{
    CheckAlive();
    if (!active_)
        throw NothingError();
    return *active_;
}

Worksheet& Application::ActiveSheet()
{
    return ActiveWorkbook().ActiveSheet();
}
Sheets Application::Sheets()
{
    return ActiveWorkbook().Sheets();
}
Sheets Application::Worksheets()
{
    return ActiveWorkbook().Worksheets();
}
Range Application::Range(std::string_view address)
{
    return ActiveSheet().Range(address);
}
Range Application::Range(const sheet::Range& cell1, const sheet::Range& cell2)
{
    return ActiveSheet().Range(cell1, cell2);
}
Range Application::Cells(int row, int column)
{
    return ActiveSheet().Cells(row, column);
}
Range Application::Cells()
{
    return ActiveSheet().Cells();
}
Range Application::Rows(std::string_view rows)
{
    return ActiveSheet().Rows(rows);
}
Range Application::Rows(int row)
{
    return ActiveSheet().Rows(row);
}
Range Application::Columns(std::string_view columns)
{
    return ActiveSheet().Columns(columns);
}
Range Application::Columns(int column)
{
    return ActiveSheet().Columns(column);
}
Range Application::Selection()
{
    return ActiveSheet().Selection();
}
Range Application::ActiveCell()
{
    return ActiveSheet().ActiveCell();
}

void Application::SetClipboard(ClipboardContent content)
{
    CheckAlive();
    clipboard_ = std::move(content);
}

Workbook& Application::AttachWorkbook(std::unique_ptr<Workbook> workbook)
{
    open_.push_back(std::move(workbook));
    active_ = open_.back().get();
    return *active_;
}

void Application::DetachWorkbook(Workbook& workbook)
{
    auto found =
        std::find_if(open_.begin(), open_.end(), [&](const auto& p) { return p.get() == &workbook; });
    if (found == open_.end())
        return;
    closed_.push_back(std::move(*found));
    open_.erase(found);
    if (active_ == &workbook)
        active_ = open_.empty() ? nullptr : open_.back().get();
}

}  // namespace morvessa::sheet
