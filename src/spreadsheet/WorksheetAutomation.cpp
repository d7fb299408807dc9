// The worksheet as the automation object model shows it: its name, its ranges by address, rows
// and columns, selection, copies and paste.
#include "spreadsheet/Worksheet.h"

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Range.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/WorksheetChecks.h"

#include <algorithm>

namespace morvessa::sheet {

void Worksheet::CheckAlive() const
{
    if (deleted_)
        throw DisconnectedError();
    parent_->CheckAlive();
}

void Worksheet::Name(const std::string& name)
{
    CheckAlive();
    parent_->CheckSheetName(name, this);
    name_ = name;
}

int Worksheet::Index() const
{
    CheckAlive();
    return parent_->PositionOf(*this) + 1;
}

sheet::Range Worksheet::Range(std::string_view address)
{
    CheckAlive();
    return sheet::Range(*this, CellRange::Parse(address));
}

sheet::Range Worksheet::Range(const sheet::Range& cell1, const sheet::Range& cell2)
{
    CheckAlive();
    if (&cell1.Worksheet() != this || &cell2.Worksheet() != this)
        throw HostError("Method 'Range' of object '_Worksheet' failed: the cells belong to another sheet");
    return sheet::Range(*this, cell1.Area().Union(cell2.Area()));
}

sheet::Range Worksheet::Cells(int row, int column)
{
    CheckAlive();
    return sheet::Range(*this, CellRange::Checked(row, column, row, column));
}

sheet::Range Worksheet::Cells()
{
    CheckAlive();
    return sheet::Range(*this, CellRange::WholeSheet());
}

namespace {

CellRange ParseLines(std::string_view text, bool rows)
{
    std::string address(text);
    bool plain = !address.empty();
    for (char ch : address) {
        bool allowed = ch == '$' || ch == ':' || ch == ' ' ||
                       (rows ? (ch >= '0' && ch <= '9') : std::isalpha(static_cast<unsigned char>(ch)) != 0);
        if (!allowed)
            plain = false;
    }
    if (!plain) {
        throw AddressError("\"" + address + "\" is not a valid " +
                           (rows ? "row range such as \"1:70\"" : "column range such as \"A:BD\""));
    }
    if (address.find(':') == std::string::npos)
        address += ":" + address;
    return CellRange::Parse(address);
}

}  // namespace

sheet::Range Worksheet::Rows(std::string_view rows)
{
    CheckAlive();
    return sheet::Range(*this, ParseLines(rows, true));
}

sheet::Range Worksheet::Rows(int row)
{
    CheckAlive();
    CellRange::Checked(row, 1, row, 1);
    return sheet::Range(*this, CellRange::WholeRows(row, row));
}

sheet::Range Worksheet::Rows()
{
    return Cells();
}

sheet::Range Worksheet::Columns(std::string_view columns)
{
    CheckAlive();
    return sheet::Range(*this, ParseLines(columns, false));
}

sheet::Range Worksheet::Columns(int column)
{
    CheckAlive();
    CellRange::Checked(1, column, 1, column);
    return sheet::Range(*this, CellRange::WholeColumns(column, column));
}

sheet::Range Worksheet::Columns()
{
    return Cells();
}

sheet::Range Worksheet::UsedRange()
{
    CheckAlive();
    return sheet::Range(*this, UsedArea().value_or(CellRange::Cell(1, 1)));
}

sheet::Range Worksheet::Selection()
{
    CheckAlive();
    return sheet::Range(*this, selection_);
}

sheet::Range Worksheet::ActiveCell()
{
    CheckAlive();
    return sheet::Range(*this, CellRange::Cell(activeRow_, activeColumn_));
}

sheet::PageSetup Worksheet::PageSetup()
{
    CheckAlive();
    return sheet::PageSetup(*this);
}

void Worksheet::Select()
{
    CheckAlive();
    parent_->SetActiveSheetIndex(parent_->PositionOf(*this) + 1);
}

void Worksheet::Activate()
{
    Select();
}

void Worksheet::Delete()
{
    CheckAlive();
    parent_->RemoveSheet(*this);
}

Worksheet& Worksheet::Copy(const After& after)
{
    CheckAlive();
    after.sheet.CheckAlive();
    Workbook& target = after.sheet.Parent();
    return target.CopySheet(*this, target.PositionOf(after.sheet) + 1);
}

Worksheet& Worksheet::Copy(const Before& before)
{
    CheckAlive();
    before.sheet.CheckAlive();
    Workbook& target = before.sheet.Parent();
    return target.CopySheet(*this, target.PositionOf(before.sheet));
}

void Worksheet::Paste()
{
    CheckAlive();
    Paste(sheet::Range(*this, selection_));
}

void Worksheet::Paste(const sheet::Range& destination)
{
    CheckAlive();
    Application* application = parent_->Parent();
    if (!application || !application->Clipboard())
        throw HostError("Paste method of Worksheet class failed");
    if (&destination.Worksheet() != this)
        throw HostError("Paste method of Worksheet class failed: the destination is on another sheet");
    PasteClipboard(destination.Area(), *application->Clipboard(), PasteKind::All);
}

}  // namespace morvessa::sheet
