#include "spreadsheet/Constants.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Worksheet.h"

namespace morvessa::sheet {
namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;
constexpr int kMaxFitPages = 32767;

}  // namespace

PageLayout& PageSetup::Layout() const
{
    sheet_->CheckAlive();
    return sheet_->layout_;
}

int PageSetup::Orientation() const
{
    return Layout().landscape ? xlLandscape : xlPortrait;
}
void PageSetup::Orientation(int orientation)
{
    PageLayout& layout = Layout();
    if (orientation != xlPortrait && orientation != xlLandscape)
        throw PropertyError("Orientation", "PageSetup");
    layout.landscape = orientation == xlLandscape;
}

std::optional<int> PageSetup::Zoom() const
{
    const PageLayout& layout = Layout();
    if (layout.fitToPages)
        return std::nullopt;
    return layout.zoom;
}
void PageSetup::Zoom(int percent)
{
    PageLayout& layout = Layout();
    if (percent < kMinZoom || percent > kMaxZoom)
        throw PropertyError("Zoom", "PageSetup");
    layout.zoom = percent;
    layout.fitToPages = false;
}
void PageSetup::Zoom(bool zoom)
{
    PageLayout& layout = Layout();
    // True is no scale: only False, "fit to pages", means something.
    if (zoom)
        throw PropertyError("Zoom", "PageSetup");
    layout.fitToPages = true;
}

int PageSetup::FitToPagesWide() const
{
    return Layout().fitPagesWide;
}
void PageSetup::FitToPagesWide(int pages)
{
    PageLayout& layout = Layout();
    if (pages < 0 || pages > kMaxFitPages)
        throw PropertyError("FitToPagesWide", "PageSetup");
    layout.fitPagesWide = pages;
}
int PageSetup::FitToPagesTall() const
{
    return Layout().fitPagesTall;
}
void PageSetup::FitToPagesTall(int pages)
{
    PageLayout& layout = Layout();
    if (pages < 0 || pages > kMaxFitPages)
        throw PropertyError("FitToPagesTall", "PageSetup");
    layout.fitPagesTall = pages;
}

bool PageSetup::CenterHorizontally() const
{
    return Layout().centerHorizontally;
}
void PageSetup::CenterHorizontally(bool center)
{
    Layout().centerHorizontally = center;
}

int PageSetup::PaperSize() const
{
    return Layout().paperSize;
}
void PageSetup::PaperSize(int paper)
{
    PageLayout& layout = Layout();
    // The host knows more sizes; these are the ones the calendar offers and prints.
    if (paper != xlPaperLetter && paper != xlPaperLegal && paper != xlPaperA3 && paper != xlPaperA4)
        throw PropertyError("PaperSize", "PageSetup");
    layout.paperSize = paper;
}

}  // namespace morvessa::sheet
