#include "host/SnapshotSteps.h"

#include "host/Drawing.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"

#include <memory>

namespace morvessa {

namespace {

class ForwardingPictureSink final : public sheet::PictureSink {
public:
    void CopyPicture(const sheet::Worksheet& sheet, const sheet::CellRange& area) override
    {
        Drawings().ClipboardPictureSink().CopyPicture(sheet, area);
    }
};

}  // namespace

sheet::PictureSink& DrawingPictureSink()
{
    static ForwardingPictureSink sink;
    return sink;
}

void saveCellsActivesheet(sheet::Workbook& workbook, const std::string& path)
{
    ErrorTrap trap(location::Excel1_saveCellsActivesheet);
    sheet::Worksheet* active = nullptr;
    int lastRow = 0;
    int lastColumn = 0;
    bool capture = false;
    const auto activeSheet = [&]() -> sheet::Worksheet& {
        if (!active)
            throw sheet::NothingError();
        return *active;
    };

    trap.Step(100, [&] { active = &workbook.ActiveSheet(); });
    trap.Step(102, [&] {
        const sheet::Range used = activeSheet().UsedRange();
        lastRow = used.Rows()(used.Rows().Count()).Row();
    });
    trap.Step(104, [&] {
        const sheet::Range used = activeSheet().UsedRange();
        lastColumn = used.Columns()(used.Columns().Count()).Column();
    });
    trap.Step(106, [&] { capture = lastRow > 1 && lastColumn > 1; });
    if (!capture)
        return;

    // The copy replaces the user's clipboard only until the picture has been read.
    const std::unique_ptr<ClipboardKeeping> keeper = Drawings().KeepClipboard();
    trap.Step(110, [&] { activeSheet().UsedRange().CopyPicture(); });
    trap.Step(112, [&] { Drawings().SaveClipboardPicture(path); });
}

}  // namespace morvessa
