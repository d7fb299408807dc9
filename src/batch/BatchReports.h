#pragma once
// How the command-line tool reports: the program's error reports and the catalogue's messages on
// stderr (the reports counted, for the exit status), and refused command lines.

#include "core/ErrorTrap.h"
#include "holidays/HolidayCatalogue.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace morvessa::batch {

// The tool's own words (its help, refused command lines and notices), translated under "BatchTool"
// when the system's language has a translation.
class BatchTool {
    Q_DECLARE_TR_FUNCTIONS(BatchTool)
};

// Prints every report to stderr, as the error box would show it, and counts them.
class CountingStderrReporter final : public ErrorReporter {
public:
    void Report(const std::string& message) override;
    int count = 0;
};

class StderrCatalogueMessages final : public CatalogueMessageSink {
public:
    void ShowMessage(const QString& text) override;
};

// `text` with its control characters written as \n, \t, \r or \xHH: what comes from a command line or a
// file is never sent raw to the terminal (an ESC would command it).
QString EscapeControlCharacters(const QString& text);

// A refused command line: the reason and where to read more, on stderr, escaped.
void PrintUsageError(const QString& text);

// A failure of the tool's own (a file it cannot write, a folder it cannot make), on stderr, escaped.
void PrintToolError(const QString& text);

}  // namespace morvessa::batch
