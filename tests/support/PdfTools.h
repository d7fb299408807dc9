#pragma once
// Reads PDF files the way a user's tools do: pdfinfo, pdffonts, pdftotext and pdftoppm from the
// poppler utilities (scripts/setup.sh installs them).

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace morvessa::test {

// The tool's standard output; `ok` is false when it could not run or failed.
inline QString RunPdfTool(const QString& program, const QStringList& arguments, bool* ok = nullptr)
{
    QProcess tool;
    tool.start(program, arguments);
    const bool finished = tool.waitForFinished(60000);
    const bool good = finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    if (ok)
        *ok = good;
    return QString::fromUtf8(tool.readAllStandardOutput());
}

inline bool PdfToolsPresent()
{
    bool ok = false;
    RunPdfTool(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}, &ok);
    return ok;
}

// Page count from pdfinfo; -1 when pdfinfo refuses the file.
inline int PdfPageCount(const QString& path)
{
    bool ok = false;
    const QString info = RunPdfTool(QStringLiteral("pdfinfo"), {path}, &ok);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(info);
    return ok && match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The size of every page in points, width by height, as pdfinfo reports it.
inline std::vector<QSizeF> PdfPageSizes(const QString& path)
{
    const QString info =
        RunPdfTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                               QStringLiteral("-l"), QStringLiteral("9999"), path});
    std::vector<QSizeF> sizes;
    const QRegularExpression line(QStringLiteral("^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                  QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sizes.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return sizes;
}

struct PdfFont {
    QString name;
    bool embedded = false;
};

// The fonts pdffonts lists (its "emb" column).
inline std::vector<PdfFont> PdfFonts(const QString& path)
{
    const QStringList lines = RunPdfTool(QStringLiteral("pdffonts"), {path}).split('\n', Qt::SkipEmptyParts);
    std::vector<PdfFont> fonts;
    bool table = false;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("----"))) {
            table = true;
            continue;
        }
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        // name, type (may hold blanks), encoding, emb, sub, uni, object, ID: count from the end.
        if (!table || fields.size() < 7)
            continue;
        fonts.push_back({fields.first(), fields[fields.size() - 5] == QStringLiteral("yes")});
    }
    return fonts;
}

// The text of one page (1-based), in reading order.
inline QString PdfPageText(const QString& path, int page)
{
    const QString number = QString::number(page);
    return RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                                    number, path, QStringLiteral("-")});
}

// One page rendered at `dpi` dots per inch; a null image when it cannot be.
inline QImage PdfPageImage(const QString& path, int page, int dpi)
{
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    bool ok = false;
    RunPdfTool(QStringLiteral("pdftoppm"),
               {QStringLiteral("-f"), number, QStringLiteral("-l"), number, QStringLiteral("-r"),
                QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"), path, prefix},
               &ok);
    return ok ? QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32) : QImage();
}

}  // namespace morvessa::test
