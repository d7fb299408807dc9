#pragma once
// Widget routines every window uses.

#include <QCursor>
#include <QIcon>
#include <QString>
#include <optional>

class QWidget;
class QAbstractButton;

namespace morvessa {

// Gives a window, and its option buttons, check boxes, frames and labels, the system button-face
// background. Other controls keep their colours.
void UseSystemFaceColour(QWidget* window);

// The folder that holds the program file.
QString ProgramFolder();

// The hand pointer loaded from "HAND-M.CUR" next to the program; empty when the file is missing
// or unreadable (buttons then keep the default pointer).
const std::optional<QCursor>& HandCursor();
// Shows the hand pointer over the button, when it could be loaded.
void ApplyHandCursor(QAbstractButton* button);

// The application's icon, used by every window.
QIcon ApplicationIcon();

// Installs the "Application Error" message box as the process-wide error reporter.
void InstallMessageBoxErrorReporter();

// A modal message box titled with the application title, OK only, no icon.
void ShowValidationMessage(QWidget* parent, const QString& text);

}  // namespace morvessa
