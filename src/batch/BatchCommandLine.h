#pragma once
// The command-line tool's options: read, checked against each other and turned into the options of
// one run or of many. Refusals go to a sink (stderr in the tool) and give exit status 2; --help and
// --version print to stdout and give 0.

#include "batch/BatchOptions.h"
#include "batch/BatchReports.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace morvessa::batch {

using UsageErrorSink = std::function<void(const QString& text)>;

class BatchCommandLine {
public:
    explicit BatchCommandLine(UsageErrorSink usageError = &PrintUsageError);

    // The options of a run; nothing when the tool is to stop at once (help shown, or a usage error
    // reported), with the exit status in `exitStatus`.
    std::optional<BatchOptions> Parse(const QStringList& arguments, int& exitStatus);

private:
    bool ParsePaper(BatchOptions& options);
    bool ParsePdf(BatchOptions& options);
    bool ParseFirstMonth(BatchOptions& options);
    bool ParseLayout(BatchOptions& options);
    bool ParseMonth(BatchOptions& options);
    bool CheckOutputs(const BatchOptions& options);
    bool ParseYears(BatchOptions& options);
    bool ParseSettingsList(BatchOptions& options);
    bool ParseRunHolidays(BatchOptions& options);
    bool ListCountries();
    std::optional<BatchOptions> ParseMany(int& exitStatus);
    bool ParseExportIcs(BatchOptions& options);
    std::optional<BatchOptions> ParseExportOnly(int& exitStatus);

    UsageErrorSink usageError_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption year_;
    QCommandLineOption out_;
    QCommandLineOption settings_;
    QCommandLineOption month_;
    QCommandLineOption snapshot_;
    QCommandLineOption years_;
    QCommandLineOption outDir_;
    QCommandLineOption country_;
    QCommandLineOption holidayTypes_;
    QCommandLineOption listCountries_;
    QCommandLineOption ics_;
    QCommandLineOption exportIcs_;
    QCommandLineOption englishNames_;
    QCommandLineOption keepGoing_;
    QCommandLineOption language_;
    QCommandLineOption weekStart_;
    QCommandLineOption firstMonth_;
    QCommandLineOption weekNumbers_;
    QCommandLineOption layout_;
    QCommandLineOption orientation_;
    QCommandLineOption weekendColour_;
    QCommandLineOption pdf_;
    QCommandLineOption paper_;
    QCommandLineOption months_;
    QCommandLineOption force_;
};

}  // namespace morvessa::batch
