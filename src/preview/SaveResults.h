#pragma once
// The ways out of the preview window that touch files: saving the temporary workbook to a file the
// user picks, going back (the workbook is dropped) and closing (likewise).

#include "core/ErrorTrap.h"

#include <QString>

#include <functional>

namespace morvessa {

// English as written; shown through the translation of context "SaveResults".
inline constexpr const char* kSaveDialogTitle = QT_TRANSLATE_NOOP("SaveResults", "Save File");
inline constexpr const char* kSaveDialogFilter = QT_TRANSLATE_NOOP("SaveResults", "Excel Files (*.xls)");
inline constexpr const char* kDoneMessage = QT_TRANSLATE_NOOP("SaveResults", "Done.");

// The user interaction of saving, so tests can answer it without a screen.
class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    // The save dialog; the chosen file name exactly as given, or "" when cancelled.
    virtual QString AskSaveFileName(const QString& title, const QString& filter) = 0;
    // A question with Yes and No and no icon, titled with the application title; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // A message with OK only and no icon, titled with the application title.
    virtual void ShowMessage(const QString& text) = 0;
};

// "Are you sure you wish to overwrite " + name + " ?"
QString OverwriteQuestion(const QString& targetName);

// Writes a copy of `source` to `target` so that `target` is either the old file or the complete
// copy, never a mix or nothing: the copy goes to a new file in the target's folder and then takes
// the old name in one step. Throws std::runtime_error with the reason when it cannot.
void CopyFileReplacing(const QString& source, const QString& target);

// "Save Results To Excel File": asks for a name, asks before replacing an existing file, copies
// `excelFile` there and says "Done." - also after a cancel or a "No", but not after a failed copy.
// Returns whether the copy was made.
bool SaveResultsToFile(const QString& excelFile, SaveDialogs& dialogs, ErrorReporter* reporter = nullptr);

// "< Back": drops the temporary workbook when it is still there, then shows the main window and
// hides the preview.
void BackToMainWindow(const QString& excelFile, const std::function<void()>& showMainWindow,
                      const std::function<void()>& hidePreview, ErrorReporter* reporter = nullptr);

// The closing of the preview: drops the temporary workbook and lets pending events run. The close
// is never refused.
void QueryUnloadPreview(const QString& excelFile, ErrorReporter* reporter = nullptr);

}  // namespace morvessa
