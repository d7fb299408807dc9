#include "spreadsheet/Workbook.h"

#include <algorithm>
#include <filesystem>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

namespace morvessa::sheet {
namespace {

// Sheet names compare like the host compares them: ASCII letters without regard to case.
bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// Length in UTF-16 units, as the 31-character limit counts (invalid UTF-8 bytes count one each).
std::size_t NameLength(std::string_view name)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < name.size();) {
        unsigned char lead = static_cast<unsigned char>(name[i]);
        std::size_t bytes = lead < 0x80           ? 1
                            : (lead >> 5) == 0x6  ? 2
                            : (lead >> 4) == 0xE  ? 3
                            : (lead >> 3) == 0x1E ? 4
                                                  : 1;
        units += bytes == 4 ? 2 : 1;
        i += std::min(bytes, name.size() - i);
    }
    return units;
}

// Cuts a UTF-8 text to at most `units` UTF-16 units, never inside a character.
std::string CutToLength(const std::string& text, std::size_t units)
{
    std::string result;
    std::size_t used = 0;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t bytes = lead < 0x80           ? 1
                            : (lead >> 5) == 0x6  ? 2
                            : (lead >> 4) == 0xE  ? 3
                            : (lead >> 3) == 0x1E ? 4
                                                  : 1;
        bytes = std::min(bytes, text.size() - i);
        std::size_t cost = bytes == 4 ? 2 : 1;
        if (used + cost > units)
            break;
        result.append(text, i, bytes);
        used += cost;
        i += bytes;
    }
    return result;
}

}  // namespace

// ---- Sheets ---------------------------------------------------------------------------------------

int Sheets::Count() const
{
    workbook_->CheckAlive();
    return workbook_->SheetCount();
}

Worksheet& Sheets::Item(int index) const
{
    workbook_->CheckAlive();
    return workbook_->Sheet(index);
}

Worksheet& Sheets::Item(std::string_view name) const
{
    workbook_->CheckAlive();
    Worksheet* sheet = workbook_->FindSheet(name);
    if (!sheet)
        throw SubscriptError();
    return *sheet;
}

Worksheet& Sheets::Add() const
{
    workbook_->CheckAlive();
    int position = workbook_->ActiveSheetIndex() > 0 ? workbook_->ActiveSheetIndex() - 1 : 0;
    return workbook_->NewSheetAt(position);
}

Worksheet& Sheets::Add(const After& after) const
{
    workbook_->CheckAlive();
    after.sheet.CheckAlive();
    if (&after.sheet.Parent() != workbook_)
        throw HostError("Add method of Sheets class failed");
    return workbook_->NewSheetAt(workbook_->PositionOf(after.sheet) + 1);
}

Worksheet& Sheets::Add(const Before& before) const
{
    workbook_->CheckAlive();
    before.sheet.CheckAlive();
    if (&before.sheet.Parent() != workbook_)
        throw HostError("Add method of Sheets class failed");
    return workbook_->NewSheetAt(workbook_->PositionOf(before.sheet));
}

void Sheets::Select() const
{
    workbook_->CheckAlive();
    if (workbook_->SheetCount() > 0)
        workbook_->SetActiveSheetIndex(1);
}

// ---- Workbook -------------------------------------------------------------------------------------

Workbook::Workbook(Application* application) : application_(application)
{
}

Workbook::~Workbook() = default;

Worksheet& Workbook::Sheet(int index)
{
    if (index < 1 || index > SheetCount())
        throw SubscriptError();
    return *sheets_[std::size_t(index - 1)];
}

const Worksheet& Workbook::Sheet(int index) const
{
    if (index < 1 || index > SheetCount())
        throw SubscriptError();
    return *sheets_[std::size_t(index - 1)];
}

Worksheet* Workbook::FindSheet(std::string_view name)
{
    for (auto& sheet : sheets_)
        if (SameName(sheet->Name(), name))
            return sheet.get();
    return nullptr;
}

const Worksheet* Workbook::FindSheet(std::string_view name) const
{
    for (const auto& sheet : sheets_)
        if (SameName(sheet->Name(), name))
            return sheet.get();
    return nullptr;
}

void Workbook::CheckSheetName(const std::string& name, const Worksheet* except) const
{
    bool invalid = name.empty() || NameLength(name) > std::size_t(kMaxSheetNameLength) ||
                   name.find_first_of(":\\/?*[]") != std::string::npos || name.front() == '\'' ||
                   name.back() == '\'';
    if (invalid) {
        throw HostError(
            "You typed an invalid name for a sheet: \"" + name +
            "\". Make sure that the name has at most 31 characters, does not contain any of the "
            "characters : \\ / ? * [ ], does not begin or end with an apostrophe, and is not blank.");
    }
    const Worksheet* existing = FindSheet(name);
    if (existing && existing != except) {
        throw HostError("Cannot rename a sheet to the same name as another sheet (\"" + name + "\").");
    }
}

Worksheet& Workbook::AddSheet(const std::string& name)
{
    CheckSheetName(name);
    auto sheet = std::make_unique<Worksheet>(*this, name);
    sheets_.push_back(std::move(sheet));
    if (activeSheet_ == 0)
        activeSheet_ = 1;
    return *sheets_.back();
}

void Workbook::SetActiveSheetIndex(int index)
{
    if (index < 1 || index > SheetCount())
        throw SubscriptError();
    activeSheet_ = index;
}

int Workbook::PositionOf(const Worksheet& sheet) const
{
    for (std::size_t i = 0; i < sheets_.size(); ++i)
        if (sheets_[i].get() == &sheet)
            return int(i);
    throw DisconnectedError();
}

std::string Workbook::NextSheetName()
{
    std::string name;
    do {
        name = "Sheet" + std::to_string(++sheetCounter_);
    } while (FindSheet(name));
    return name;
}

Worksheet& Workbook::InsertSheet(int position, std::unique_ptr<Worksheet> sheet)
{
    position = std::clamp(position, 0, SheetCount());
    sheets_.insert(sheets_.begin() + position, std::move(sheet));
    activeSheet_ = position + 1;
    return *sheets_[std::size_t(position)];
}

Worksheet& Workbook::NewSheetAt(int position)
{
    return InsertSheet(position, std::make_unique<Worksheet>(*this, NextSheetName()));
}

Worksheet& Workbook::CopySheet(Worksheet& source, int position)
{
    // "Name (2)", "Name (3)", ...: a copy of "Name (2)" counts on from "Name".
    std::string base = source.Name();
    if (base.size() > 4 && base.back() == ')') {
        std::size_t open = base.rfind(" (");
        if (open != std::string::npos && open + 2 < base.size() - 1 &&
            std::all_of(base.begin() + std::ptrdiff_t(open) + 2, base.end() - 1,
                        [](char c) { return c >= '0' && c <= '9'; }))
            base.erase(open);
    }
    std::string name;
    for (int n = 2;; ++n) {
        std::string suffix = " (" + std::to_string(n) + ")";
        name = CutToLength(base, std::size_t(kMaxSheetNameLength) - suffix.size()) + suffix;
        if (!FindSheet(name))
            break;
    }
    auto copy = std::make_unique<Worksheet>(*this, name);
    copy->CopyContentFrom(source);
    return InsertSheet(position, std::move(copy));
}

void Workbook::RemoveSheet(Worksheet& sheet)
{
    int position = PositionOf(sheet);
    if (SheetCount() == 1)
        throw HostError("A workbook must contain at least one visible worksheet.");
    int active = activeSheet_ - 1;
    deletedSheets_.push_back(std::move(sheets_[std::size_t(position)]));
    sheets_.erase(sheets_.begin() + position);
    deletedSheets_.back()->deleted_ = true;
    // The sheet to the right takes over when the active sheet goes (the one to the left at the end).
    if (position < active)
        --active;
    activeSheet_ = std::min(active, SheetCount() - 1) + 1;
}

void Workbook::CheckAlive() const
{
    if (closed_)
        throw DisconnectedError();
    if (application_)
        application_->CheckAlive();
}

Sheets Workbook::Sheets()
{
    CheckAlive();
    return sheet::Sheets(*this);
}

Sheets Workbook::Worksheets()
{
    return Sheets();
}

Worksheet& Workbook::ActiveSheet()
{
    CheckAlive();
    if (activeSheet_ < 1)
        throw NothingError();
    return *sheets_[std::size_t(activeSheet_ - 1)];
}

void Workbook::Activate()
{
    CheckAlive();
    if (application_)
        application_->active_ = this;
}

void Workbook::SaveAs(const std::string& path, int fileFormat, io::Durability durability)
{
    CheckAlive();
    if (fileFormat == xlExcel8 || fileFormat == xlWorkbookNormal) {
        xls::SaveWorkbook(*this, path, durability);
    } else if (fileFormat == xlOpenXMLWorkbook) {
        xlsx::SaveWorkbook(*this, path);
    } else {
        throw HostError("SaveAs method of Workbook class failed: file format " + std::to_string(fileFormat) +
                        " is not supported; this host writes Excel 97-2003 workbooks (56) and Excel "
                        "workbooks (51)");
    }
    fullName_ = path;
    name_ = std::filesystem::path(path).filename().string();
}

void Workbook::Close()
{
    CheckAlive();
    if (application_)
        application_->DetachWorkbook(*this);
    closed_ = true;
}

}  // namespace morvessa::sheet
