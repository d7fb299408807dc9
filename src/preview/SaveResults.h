#pragma once
// The ways out of the preview window that touch files: saving the temporary workbook to a file the
// user picks, going back (the workbook is dropped) and closing (likewise).

#include "core/ErrorTrap.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace morvessa {

// English as written; shown through the translation of context "SaveResults".
inline constexpr const char* kSaveDialogTitle = QT_TRANSLATE_NOOP("SaveResults", "Save File");
inline constexpr const char* kXlsFilter = QT_TRANSLATE_NOOP("SaveResults", "Excel 97-2003 Workbook (*.xls)");
inline constexpr const char* kXlsxFilter = QT_TRANSLATE_NOOP("SaveResults", "Excel Workbook (*.xlsx)");
inline constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("SaveResults", "PDF (*.pdf)");
inline constexpr const char* kDoneMessage = QT_TRANSLATE_NOOP("SaveResults", "Done.");

// The file types the save dialog offers, the default first.
enum class SaveFileType { Xls, Xlsx, Pdf };
QStringList SaveDialogFilters();
// The type of a filter of the dialog (by its pattern, so a translated filter works too), and its
// extension with the dot (".xls").
SaveFileType FileTypeOfFilter(const QString& filter);
QString ExtensionOf(SaveFileType type);

// What the save dialog returns: the name exactly as typed ("" when cancelled) and the filter the
// user left chosen.
struct SaveFileChoice {
    QString fileName;
    QString filter;
};

// The user interaction of saving, so tests can answer it without a screen.
class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    // The save dialog: opens in `folder` and offers `filters`, the first one chosen.
    virtual SaveFileChoice AskSaveFileName(const QString& title, const QStringList& filters,
                                           const QString& folder) = 0;
    // A question with Yes and No and no icon, titled with the application title; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // A message with OK only and no icon, titled with the application title.
    virtual void ShowMessage(const QString& text) = 0;
};

// The name to write and its format: a name ending in an offered type's extension is that type
// whatever filter was chosen; otherwise the chosen type, its extension added when the name has none.
struct SaveTarget {
    QString path;
    SaveFileType type = SaveFileType::Xls;
};
SaveTarget ResolveSaveTarget(const SaveFileChoice& choice);

// Where the save dialog opens: the folder last saved to while it still exists, else the user's
// Documents folder (the home folder when there is none).
QString SaveDialogFolder();
// Remembers the folder of a saved file for the next save dialog (settings key SaveFolder).
void RememberSaveFolder(const QString& savedFile);

// "Are you sure you wish to overwrite " + name + " ?", or for a read-only file name + " is read-only.
// Replace it anyway?"
QString OverwriteQuestion(const QString& targetName);

// Writes a copy of the workbook `source` to `target` so that `target` is either the old file or the
// complete copy, never a mix or nothing: the copy goes to a new file in the target's folder and then
// takes the old name in one step. A source that is not a whole workbook is refused. Throws
// std::runtime_error with the file and the reason (e.g. "the disk is full") when it cannot.
void CopyFileReplacing(const QString& source, const QString& target);

// "Save Results To Excel File": asks for a name and type, asks before replacing an existing file,
// copies `excelFile` there (an .xls) or writes its workbook as an .xlsx, and says "Done." - also
// after a cancel or a "No", but not after a failed save. Returns whether the file was written.
bool SaveResultsToFile(const QString& excelFile, SaveDialogs& dialogs, ErrorReporter* reporter = nullptr);

// "< Back": drops the temporary workbook when it is still there, then shows the main window and
// hides the preview.
void BackToMainWindow(const QString& excelFile, const std::function<void()>& showMainWindow,
                      const std::function<void()>& hidePreview, ErrorReporter* reporter = nullptr);

// The closing of the preview: drops the temporary workbook and lets pending events run. The close
// is never refused.
void QueryUnloadPreview(const QString& excelFile, ErrorReporter* reporter = nullptr);

}  // namespace morvessa
