#include "calendar/IcsPreScan.h"

#include "calendar/HolidayIcs.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <string>
#include <vector>

namespace morvessa {

namespace {

[[noreturn]] void Refuse(const QString& why)
{
    throw IcsError(QCoreApplication::translate("IcsFile", "This calendar file cannot be read: %1; nothing was imported.")
                       .arg(why)
                       .toStdString());
}

bool StartsWithWord(const char* line, qsizetype length, const char* word)
{
    const qsizetype n = qsizetype(qstrlen(word));
    return length >= n && qstrnicmp(line, word, n) == 0;
}

struct Block {
    QByteArray name;
    int properties = 0;
};

bool IsDateList(const char* line, qsizetype length)
{
    for (const char* name : {"RDATE", "EXDATE"}) {
        const qsizetype n = qsizetype(qstrlen(name));
        if (StartsWithWord(line, length, name) && length > n && (line[n] == ':' || line[n] == ';'))
            return true;
    }
    return false;
}

// The parts of a property line that matter to the limits, followed across its folded lines: its
// length, the parameters (";NAME=value") before the colon that starts its value, and for a list of
// dates the commas that part its values.
struct LogicalLine {
    qsizetype length = 0;
    int parameters = 0;
    int extraValues = 0;
    bool dateList = false;
    bool inValue = false;
    bool quoted = false;

    void Start(const char* text, qsizetype size)
    {
        *this = {};
        dateList = IsDateList(text, size);
        Continue(text, size);
    }
    void Continue(const char* text, qsizetype size)
    {
        length += size;
        for (qsizetype i = 0; i < size; ++i) {
            if (inValue) {
                if (!dateList)
                    break;
                extraValues += text[i] == ',';
            } else if (text[i] == '"') {
                quoted = !quoted;
            } else if (!quoted && text[i] == ';') {
                ++parameters;
            } else if (!quoted && text[i] == ':') {
                inValue = true;
            }
        }
    }
};

}  // namespace

void PreScanIcs(const QByteArray& data)
{
    if (data.size() > kMaxIcsBytes)
        Refuse(QCoreApplication::translate("IcsFile", "it is larger than 8 MB"));
    if (data.contains('\0'))
        Refuse(QCoreApplication::translate("IcsFile", "it holds binary data (NUL bytes)"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(data);
    if (utf8.hasError())
        Refuse(QCoreApplication::translate("IcsFile", "it is not UTF-8 text"));

    std::vector<Block> open;
    int events = 0;
    bool calendar = false;
    LogicalLine logical;
    int values = 0;
    int lineNumber = 0;
    const char* text = data.constData();
    for (qsizetype start = 0; start < data.size();) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        ++lineNumber;
        const char* line = text + start;
        qsizetype length = end - start;
        if (length > 0 && line[length - 1] == '\r')
            --length;
        start = end + 1;
        // A line that begins with a blank continues the one before it.
        const bool continuation = length > 0 && (line[0] == ' ' || line[0] == '\t');
        const int valuesBefore = continuation ? logical.extraValues : 0;
        if (continuation)
            logical.Continue(line + 1, length - 1);
        else
            logical.Start(line, length);
        const int moreValues = logical.extraValues - valuesBefore + (continuation || length == 0 ? 0 : 1);
        if ((values += moreValues) > kMaxIcsValues)
            Refuse(QCoreApplication::translate("IcsFile", "it holds more than %1 lines and listed dates (line %2)").arg(kMaxIcsValues).arg(lineNumber));
        const bool blockLine = !continuation && (StartsWithWord(line, length, "BEGIN:") ||
                                                 StartsWithWord(line, length, "END:"));
        if (!blockLine && !open.empty() &&
            (open.back().properties += moreValues) > kMaxIcsPropertiesPerComponent)
            Refuse(QCoreApplication::translate("IcsFile", "a block holds more than %1 lines and listed dates (line %2)")
                       .arg(kMaxIcsPropertiesPerComponent)
                       .arg(lineNumber));
        if (logical.length > kMaxIcsLineBytes)
            Refuse(QCoreApplication::translate("IcsFile", "a line is longer than 64 KB (line %1)").arg(lineNumber));
        if (logical.parameters > kMaxIcsParametersPerProperty)
            Refuse(QCoreApplication::translate("IcsFile", "a line has more than %1 parameters (line %2)")
                       .arg(kMaxIcsParametersPerProperty)
                       .arg(lineNumber));
        if (continuation || length == 0)
            continue;
        if (StartsWithWord(line, length, "BEGIN:")) {
            if (open.size() >= std::size_t(kMaxIcsNesting))
                Refuse(QCoreApplication::translate("IcsFile", "its blocks are nested more than %1 deep (line %2)").arg(kMaxIcsNesting).arg(lineNumber));
            open.push_back({QByteArray(line + 6, length - 6).trimmed().toUpper(), 0});
            if (open.back().name == "VCALENDAR")
                calendar = true;
            else if (open.back().name == "VEVENT" && ++events > kMaxIcsEvents)
                Refuse(QCoreApplication::translate("IcsFile", "it holds more than %1 events").arg(kMaxIcsEvents));
        } else if (StartsWithWord(line, length, "END:")) {
            // libical answers every stray END with a complaint of its own; a real file has none.
            if (open.empty() || open.back().name != QByteArray(line + 4, length - 4).trimmed().toUpper())
                Refuse(QCoreApplication::translate("IcsFile", "it ends a block it did not begin (line %1)").arg(lineNumber));
            open.pop_back();
        }
    }
    if (!calendar)
        Refuse(QCoreApplication::translate("IcsFile", "it is no iCalendar file (no BEGIN:VCALENDAR)"));
}

}  // namespace morvessa
