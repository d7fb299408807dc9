#pragma once
// Sheets of a workbook by position, and a file written whole or not at all: what printing and the
// PDF share with the batch tool, which writes its PDF without drawing anything itself.

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvessa {

namespace sheet {
class Workbook;
class Worksheet;
}  // namespace sheet

// A range of sheets by position, 1-based and inclusive.
struct SheetSpan {
    int first = 1;
    int last = 12;
};

// The workbook's sheets first..last (clamped to the sheets there are), in order.
std::vector<const sheet::Worksheet*> SheetsInSpan(const sheet::Workbook& book, SheetSpan span);

// Writes `bytes` to `path` so that the path holds either its old file or the whole new one: the
// bytes go to a new file beside it first. Throws std::runtime_error with the reason.
void WriteFileReplacing(const QByteArray& bytes, const QString& path);

}  // namespace morvessa
