#include "preview/SaveResults.h"
#include "preview/PreviewLocations.h"

#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace morvessa {

namespace {
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr qint64 kCopyChunk = 1 << 16;

[[noreturn]] void ThrowFileError(const QString& what, const QString& path, const QString& reason)
{
    throw std::runtime_error((what + " " + path + ": " + reason).toStdString());
}
}  // namespace

QString OverwriteQuestion(const QString& targetName)
{
    return QCoreApplication::translate("SaveResults", "Are you sure you wish to overwrite %1 ?")
        .arg(targetName);
}

void CopyFileReplacing(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        ThrowFileError("Cannot read", source, in.errorString());
    // QSaveFile writes beside the target and renames over it on commit; no direct-write fallback,
    // so a failure leaves an existing target as it was.
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        ThrowFileError("Cannot write", target, out.errorString());
    QByteArray chunk;
    while (!(chunk = in.read(kCopyChunk)).isEmpty()) {
        if (out.write(chunk) != chunk.size()) {
            const QString reason = out.errorString();
            out.cancelWriting();
            ThrowFileError("Cannot write", target, reason);
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        ThrowFileError("Cannot read", source, in.errorString());
    }
    if (!out.commit())
        ThrowFileError("Cannot write", target, out.errorString());
}

bool SaveResultsToFile(const QString& excelFile, SaveDialogs& dialogs, ErrorReporter* reporter)
{
    ErrorTrap trap(location::Form2_PushButton6_Click, reporter);
    QString dialogFileName;
    QString dialogTitle;
    QString dialogFilter;
    QString target;
    int answer = 0;
    bool copied = false;
    bool copyFailed = false;

    trap.Step(106, [&] { dialogFileName.clear(); });
    trap.Step(108, [&] { dialogTitle = QCoreApplication::translate("SaveResults", kSaveDialogTitle); });
    trap.Step(110, [&] { dialogFilter = QCoreApplication::translate("SaveResults", kSaveDialogFilter); });
    trap.Step(112, [&] { dialogFileName = dialogs.AskSaveFileName(dialogTitle, dialogFilter); });
    trap.Step(114, [&] { target = dialogFileName; });
    if (!target.isEmpty()) {
        bool exists = true;
        trap.Step(118, [&] { exists = FileExists(target); });
        if (!exists) {
            trap.Step(126, [&] { answer = kAnswerYes; });
        } else {
            trap.Step(120,
                      [&] { answer = dialogs.AskYesNo(OverwriteQuestion(target)) ? kAnswerYes : kAnswerNo; });
            // The old file is not deleted ahead of the copy: the copy replaces it in one step, so
            // a failed copy keeps it.
        }
    }
    if (answer == kAnswerYes) {
        copyFailed = !trap.Step(130, [&] { CopyFileReplacing(excelFile, target); });
        copied = !copyFailed;
    }
    // A failed copy was reported above; "Done." would claim otherwise.
    if (!copyFailed)
        trap.Step(132,
                  [&] { dialogs.ShowMessage(QCoreApplication::translate("SaveResults", kDoneMessage)); });
    return copied;
}

void BackToMainWindow(const QString& excelFile, const std::function<void()>& showMainWindow,
                      const std::function<void()>& hidePreview, ErrorReporter* reporter)
{
    ErrorTrap trap(location::Form2_PushButton8_Click, reporter);
    bool present = false;
    trap.Step(100, [&] { present = !excelFile.isEmpty() && QFileInfo(excelFile).isFile(); });
    if (present)
        trap.Step(102, [&] { DeleteFileQuietly(excelFile); });
    trap.Step(104, [&] {
        if (showMainWindow)
            showMainWindow();
    });
    trap.Step(106, [&] {
        if (hidePreview)
            hidePreview();
    });
}

void QueryUnloadPreview(const QString& excelFile, ErrorReporter* reporter)
{
    ErrorTrap trap(location::Form2_Form_QueryUnload, reporter);
    trap.Step(100, [&] {
        if (!excelFile.isEmpty())
            DeleteFileQuietly(excelFile);
    });
    trap.Step(102, [&] {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    });
    trap.Step(104, [&] {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    });
}

}  // namespace morvessa
