#pragma once
// The geometry of a sheet as a screen shows it at 100 % zoom, without drawing anything: pixels per
// column and row, and the room a cell's text has inside its grid lines.

namespace morvessa {

// Pictures are drawn at 96 dots per inch, as a screen at 100 % shows them.
inline constexpr double kPictureDpi = 96.0;

// A cell that shrinks its text to fit never goes below this size; below it the text is cut with "…".
inline constexpr double kSmallestShrunkPoints = 6.0;

// Text keeps this distance from the left and right grid lines of its cell.
inline constexpr int kTextInset = 2;

// A column width in characters as pixels for the given maximum digit width (8.43 -> 64 at 7 px).
int ColumnWidthPixels(double characters, int maxDigitWidth);
// A row height in points as pixels at 96 dpi (12.75 -> 17, 9 -> 12).
int RowHeightPixels(double points);

// The room for text in a block whose closing grid lines lie `width` and `height` pixels from its
// opening ones: inside the lines, and kTextInset from the left and right ones.
struct TextRoom {
    double width = 0;
    double height = 0;
};
inline TextRoom TextRoomOfBlock(int width, int height)
{
    return {static_cast<double>(width - 1 - 2 * kTextInset), static_cast<double>(height - 1)};
}

}  // namespace morvessa
