#pragma once
// Widget routines every window uses.

#include "core/ErrorTrap.h"

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QString>
#include <optional>
#include <string>

class QWidget;
class QAbstractButton;

namespace morvessa {

// Gives a window, and its option buttons, check boxes, frames and labels, the system button-face
// background. Other controls keep their colours.
void UseSystemFaceColour(QWidget* window);

// The system button-face colour of the user's colour scheme.
QColor SystemFaceColour();
// Gives the window, and its option buttons, check boxes, frames and labels, the background colour.
void PaintWindowBackground(QWidget* window, const QColor& colour);

// The folder of the files that ship with the program (hand cursor, skin): the program's own folder,
// or its data folder when a package installed it.
QString ProgramFolder();

// The hand pointer loaded from "HAND-M.CUR" next to the program; empty when the file is missing
// or unreadable (buttons then keep the default pointer).
const std::optional<QCursor>& HandCursor();
// Shows the hand pointer over the button, when it could be loaded.
void ApplyHandCursor(QAbstractButton* button);
// The cursor file's name next to the program.
inline constexpr const char* kHandCursorFileName = "HAND-M.CUR";
// Loads a cursor file as a pointer with the file's hotspot; nothing when missing or malformed.
std::optional<QCursor> LoadHandCursor(const QString& path);

// The application's icon, used by every window.
QIcon ApplicationIcon();

// A report text as a message box shows it: "\r\n" and a lone "\r" both become line breaks.
QString MessageBoxText(const std::string& text);

// The "Application Error" box: warning icon, OK only, modal to the application.
class MessageBoxErrorReporter final : public ErrorReporter {
public:
    void Report(const std::string& message) override;
};

// Installs the "Application Error" message box as the process-wide error reporter.
void InstallMessageBoxErrorReporter();

// A modal message box titled with the application title, OK only, no icon.
void ShowValidationMessage(QWidget* parent, const QString& text);

// A modal question titled with the application title, Yes and No, no icon; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

}  // namespace morvessa
