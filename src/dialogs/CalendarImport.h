#pragma once
// Importing an .ics file as a calendar: the user chooses between a copy (kept as imported) and a link
// that stays in step with the file, and whether timed events show; the import is one undoable step.

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace morvessa {

// Asks how to keep `path` through `show` (which runs the options dialog, "ImportIcsOptions"), then
// imports it. Returns what to tell the user, or an empty text when the user cancelled. Throws IcsError
// (nothing stored) for a file that cannot be read.
QString ImportCalendarFile(QWidget* parent, const QString& path, const std::function<void(QDialog&)>& show);

}  // namespace morvessa
