#include "host/SheetFiles.h"

#include "spreadsheet/Workbook.h"
#include "spreadsheet/io/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <stdexcept>

namespace morvessa {

namespace {

[[noreturn]] void ThrowWriteError(const QString& path, const QString& reason)
{
    throw std::runtime_error(QCoreApplication::translate("SheetFiles", "Cannot write %1: %2").arg(path, reason).toStdString());
}

}  // namespace

std::vector<const sheet::Worksheet*> SheetsInSpan(const sheet::Workbook& book, SheetSpan span)
{
    std::vector<const sheet::Worksheet*> sheets;
    const int first = std::max(1, span.first);
    const int last = std::min(book.SheetCount(), span.last);
    for (int index = first; index <= last; ++index)
        sheets.push_back(&book.Sheet(index));
    return sheets;
}

void WriteFileReplacing(const QByteArray& bytes, const QString& path)
{
    try {
        sheet::io::ReplaceFileAtomically(
            QFile::encodeName(path).toStdString(),
            std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
    } catch (const sheet::io::FileError& error) {
        ThrowWriteError(path, QString::fromStdString(error.reason()));
    }
}

}  // namespace morvessa
