#include "preview/PrintChoices.h"

#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

#include <dlfcn.h>

namespace morvessa {

namespace {

// The job options the print dialog gives a queue printer, as name, value, name, value...
constexpr auto kQueueOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
const QString kPageRangesOption = QStringLiteral("page-ranges");

// IPP statuses from here on are errors (RFC 8011, 4.1.6.1).
constexpr int kFirstIppError = 0x0400;

void AddOnce(std::vector<int>& pages, int page)
{
    if (std::find(pages.begin(), pages.end(), page) == pages.end())
        pages.push_back(page);
}

}  // namespace

std::vector<int> ParsePageList(const QString& text, int pageCount)
{
    std::vector<int> pages;
    for (const QString& part : text.split(u',')) {
        const QStringList ends = part.split(u'-');
        bool firstOk = false;
        bool lastOk = ends.size() == 1;
        const int first = ends.front().trimmed().toInt(&firstOk);
        const int last = ends.size() == 2 ? ends.back().trimmed().toInt(&lastOk) : first;
        if (ends.size() > 2 || !firstOk || !lastOk || first < 1 || last < first || last > pageCount)
            return {};
        for (int page = first; page <= last; ++page)
            AddOnce(pages, page);
    }
    return pages;
}

std::vector<int> TakeChosenPages(QPrinter& printer, int pageCount)
{
    // A list for the queue: drawn here instead, and the queue told nothing, or it would pick
    // pages out of what is already the selection.
    if (QPrintEngine* engine = printer.printEngine()) {
        QStringList options = engine->property(kQueueOptions).toStringList();
        for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
            if (options[i] != kPageRangesOption)
                continue;
            const std::vector<int> pages = ParsePageList(options[i + 1], pageCount);
            options.remove(i, 2);
            engine->setProperty(kQueueOptions, options);
            if (!pages.empty())
                return pages;
            break;
        }
    }
    std::vector<int> pages;
    if (printer.printRange() == QPrinter::PageRange && !printer.pageRanges().isEmpty()) {
        for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
            for (int page = std::max(range.from, 1); page <= std::min(range.to, pageCount); ++page)
                AddOnce(pages, page);
    } else if (printer.fromPage() > 0) {
        const int last = printer.toPage() > 0 ? std::min(printer.toPage(), pageCount) : pageCount;
        for (int page = printer.fromPage(); page <= last; ++page)
            AddOnce(pages, page);
    } else {
        for (int page = 1; page <= pageCount; ++page)
            pages.push_back(page);
    }
    return pages;
}

bool PaperChosenIn(const QPrintDialog& dialog)
{
    const QList<QDialog*> inner = dialog.findChildren<QDialog*>();
    return std::any_of(inner.begin(), inner.end(), [](const QDialog* properties) {
        return qstrcmp(properties->metaObject()->className(), "QPrintPropertiesDialog") == 0 &&
               properties->result() == QDialog::Accepted;
    });
}

QString QueueRefusal()
{
    // Qt's queue printer sends the job through libcups and keeps its answer to itself; libcups
    // remembers the last answer for the thread. Only a library already loaded is asked.
    void* cups = ::dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return {};
    using LastError = int (*)();
    using LastErrorText = const char* (*)();
    const auto error = reinterpret_cast<LastError>(::dlsym(cups, "cupsLastError"));
    const auto text = reinterpret_cast<LastErrorText>(::dlsym(cups, "cupsLastErrorString"));
    QString refusal;
    if (error && error() >= kFirstIppError) {
        const char* said = text ? text() : nullptr;
        refusal = said && *said ? QString::fromUtf8(said) : QStringLiteral("error %1").arg(error(), 4, 16, QChar(u'0'));
    }
    ::dlclose(cups);
    return refusal;
}

}  // namespace morvessa
