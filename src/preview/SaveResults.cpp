#include "preview/SaveResults.h"
#include "preview/CalendarExport.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"
#include "preview/PreviewLocations.h"

#include "core/SharedRoutines.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace morvessa {

namespace {
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
}  // namespace

QStringList SaveDialogFilters()
{
    return {QCoreApplication::translate("SaveResults", kXlsFilter),
            QCoreApplication::translate("SaveResults", kXlsxFilter),
            QCoreApplication::translate("SaveResults", kPdfFilter)};
}

SaveFileType FileTypeOfFilter(const QString& filter)
{
    if (filter.contains(QLatin1String("(*.pdf)")))
        return SaveFileType::Pdf;
    return filter.contains(QLatin1String("(*.xlsx)")) ? SaveFileType::Xlsx : SaveFileType::Xls;
}

QString ExtensionOf(SaveFileType type)
{
    switch (type) {
    case SaveFileType::Xlsx:
        return QStringLiteral(".xlsx");
    case SaveFileType::Pdf:
        return QStringLiteral(".pdf");
    case SaveFileType::Xls:
        break;
    }
    return QStringLiteral(".xls");
}

SaveTarget ResolveSaveTarget(const SaveFileChoice& choice)
{
    SaveTarget target{choice.fileName, FileTypeOfFilter(choice.filter)};
    if (target.path.isEmpty())
        return target;
    // A typed extension of an offered type is what the user asked for: the file's content must
    // match it, or the spreadsheet program refuses or warns when opening it.
    const QString suffix = QFileInfo(target.path).suffix();
    for (SaveFileType type : {SaveFileType::Xls, SaveFileType::Xlsx, SaveFileType::Pdf}) {
        if (suffix.compare(ExtensionOf(type).mid(1), Qt::CaseInsensitive) == 0) {
            target.type = type;
            return target;
        }
    }
    if (suffix.isEmpty()) {
        const QString extension = ExtensionOf(target.type);
        target.path += target.path.endsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    }
    return target;
}

QString SaveDialogFolder()
{
    QString remembered;
    try {
        remembered = ReadSetting(QString::fromLatin1(key::SaveFolder), QString());
    } catch (const SettingsStoreError&) {
        // An unreadable store only costs the remembered folder; the store's owner reports it.
    }
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void RememberSaveFolder(const QString& savedFile)
{
    WriteSetting(QString::fromLatin1(key::SaveFolder), QFileInfo(savedFile).absolutePath());
}

QString OverwriteQuestion(const QString& targetName)
{
    // A file the user made read-only was meant to be kept: the question says so.
    if (sheet::io::IsReadOnlyFile(QFile::encodeName(targetName).toStdString()))
        return QCoreApplication::translate("SaveResults", "%1 is read-only. Replace it anyway?").arg(targetName);
    return QCoreApplication::translate("SaveResults", "Are you sure you wish to overwrite %1 ?")
        .arg(targetName);
}

void CopyFileReplacing(const QString& source, const QString& target)
{
    // XlsError is a std::runtime_error whose text names the file and the reason.
    sheet::xls::CopyWorkbookFile(QFile::encodeName(source).toStdString(),
                                 QFile::encodeName(target).toStdString());
}

bool SaveResultsToFile(const QString& excelFile, SaveDialogs& dialogs, ErrorReporter* reporter)
{
    ErrorTrap trap(location::Form2_PushButton6_Click, reporter);
    SaveFileChoice choice;
    QString dialogTitle;
    QStringList dialogFilters;
    QString dialogFolder;
    SaveTarget target;
    int answer = 0;
    bool copied = false;
    bool copyFailed = false;

    trap.Step(106, [&] { choice = {}; });
    trap.Step(108, [&] { dialogTitle = QCoreApplication::translate("SaveResults", kSaveDialogTitle); });
    trap.Step(110, [&] {
        dialogFilters = SaveDialogFilters();
        dialogFolder = SaveDialogFolder();
    });
    trap.Step(112, [&] { choice = dialogs.AskSaveFileName(dialogTitle, dialogFilters, dialogFolder); });
    trap.Step(114, [&] { target = ResolveSaveTarget(choice); });
    if (!target.path.isEmpty()) {
        bool exists = true;
        trap.Step(118, [&] { exists = FileExists(target.path); });
        if (!exists) {
            trap.Step(126, [&] { answer = kAnswerYes; });
        } else {
            trap.Step(120, [&] {
                answer = dialogs.AskYesNo(OverwriteQuestion(target.path)) ? kAnswerYes : kAnswerNo;
            });
            // The old file is not deleted ahead of the copy: the copy replaces it in one step, so
            // a failed copy keeps it.
        }
    }
    if (answer == kAnswerYes) {
        copyFailed = !trap.Step(130, [&] {
            try {
                if (target.type == SaveFileType::Xlsx)
                    sheet::xlsx::SaveXlsFileAsXlsx(excelFile.toStdString(), target.path.toStdString());
                else if (target.type == SaveFileType::Pdf)
                    WriteCalendarPdf(*sheet::xls::OpenWorkbook(QFile::encodeName(excelFile).toStdString()),
                                     CalendarPaper(), target.path);
                else
                    CopyFileReplacing(excelFile, target.path);
            } catch (const sheet::WorkbookFileError& error) {
                // The spreadsheet layer says why in English; the user reads it in the windows'
                // language. Other failures go on as they are.
                if (!error.unsavedPath.empty())
                    throw std::runtime_error(CurrentFailureInUsersWords());
                throw;
            }
        });
        copied = !copyFailed;
    }
    if (copied) {
        try {
            RememberSaveFolder(target.path);
        } catch (const SettingsStoreError&) {
            // The file is saved; only the next dialog's starting folder is lost.
        }
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
