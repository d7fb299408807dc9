#include "batch/BatchReports.h"

#include <cstdio>

namespace morvessa::batch {

void CountingStderrReporter::Report(const std::string& message)
{
    ++count;
    // The report separates its lines with CR LF / CR as the box does; a terminal wants LF.
    std::string text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r') {
            if (i + 1 < message.size() && message[i + 1] == '\n')
                ++i;
            text += '\n';
        } else {
            text += message[i];
        }
    }
    std::fprintf(stderr, "%s:\n%s\n\n", std::string(kErrorBoxTitle).c_str(), text.c_str());
}

void StderrCatalogueMessages::ShowMessage(const QString& text)
{
    PrintToolError(text);
}

void PrintUsageError(const QString& text)
{
    std::fprintf(stderr, "morvessa-batch: %s\nTry 'morvessa-batch --help'.\n", qUtf8Printable(text));
}

void PrintToolError(const QString& text)
{
    std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(text));
}

}  // namespace morvessa::batch
