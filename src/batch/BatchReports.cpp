#include "batch/BatchReports.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace morvessa::batch {

void CountingStderrReporter::Report(const std::string& message)
{
    ++count;
    // The report separates its lines with CR LF / CR as the box does; a terminal wants LF.
    // Whatever else a report holds (a name from the command line or a file) is shown escaped, never
    // sent to the terminal as it is.
    QStringList lines;
    for (const QString& line : QString::fromStdString(message).split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        lines << EscapeControlCharacters(line);
    const QString title = QCoreApplication::translate("ErrorReport", std::string(kErrorBoxTitle).c_str());
    std::fprintf(stderr, "%s:\n%s\n\n", qUtf8Printable(title), qUtf8Printable(lines.join(u'\n')));
}

void StderrCatalogueMessages::ShowMessage(const QString& text)
{
    PrintToolError(text);
}

QString EscapeControlCharacters(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n')
            shown += QStringLiteral("\\n");
        else if (c == u'\t')
            shown += QStringLiteral("\\t");
        else if (c == u'\r')
            shown += QStringLiteral("\\r");
        else if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

void PrintUsageError(const QString& text)
{
    std::fprintf(stderr, "morvessa-batch: %s\n%s\n", qUtf8Printable(EscapeControlCharacters(text)),
                 qUtf8Printable(BatchTool::tr("Try 'morvessa-batch --help'.")));
}

void PrintToolError(const QString& text)
{
    std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(EscapeControlCharacters(text)));
}

}  // namespace morvessa::batch
