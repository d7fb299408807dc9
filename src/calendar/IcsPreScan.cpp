#include "calendar/IcsPreScan.h"

#include "calendar/HolidayIcs.h"

#include <QStringDecoder>

#include <string>

namespace morvessa {

namespace {

[[noreturn]] void Refuse(const std::string& why)
{
    throw IcsError("This calendar file cannot be read: " + why + "; nothing was imported.");
}

bool StartsWithWord(const char* line, qsizetype length, const char* word)
{
    const qsizetype n = qsizetype(qstrlen(word));
    return length >= n && qstrnicmp(line, word, n) == 0;
}

}  // namespace

void PreScanIcs(const QByteArray& data)
{
    if (data.size() > kMaxIcsBytes)
        Refuse("it is larger than 8 MB");
    if (data.contains('\0'))
        Refuse("it holds binary data (NUL bytes)");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(data);
    if (utf8.hasError())
        Refuse("it is not UTF-8 text");

    int depth = 0;
    int events = 0;
    bool calendar = false;
    qsizetype logicalLength = 0;
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
        logicalLength = continuation ? logicalLength + length - 1 : length;
        if (logicalLength > kMaxIcsLineBytes)
            Refuse("line " + std::to_string(lineNumber) + " is longer than 256 KB");
        if (continuation)
            continue;
        if (StartsWithWord(line, length, "BEGIN:")) {
            if (++depth > kMaxIcsNesting)
                Refuse("its blocks are nested more than " + std::to_string(kMaxIcsNesting) + " deep (line " +
                       std::to_string(lineNumber) + ")");
            if (StartsWithWord(line, length, "BEGIN:VCALENDAR"))
                calendar = true;
            else if (StartsWithWord(line, length, "BEGIN:VEVENT") && ++events > kMaxIcsEvents)
                Refuse("it holds more than " + std::to_string(kMaxIcsEvents) + " events");
        } else if (StartsWithWord(line, length, "END:") && depth > 0) {
            --depth;
        }
    }
    if (!calendar)
        Refuse("it is no iCalendar file (no BEGIN:VCALENDAR)");
}

}  // namespace morvessa
