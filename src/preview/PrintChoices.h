#pragma once
// What the print dialog asked of a printer, read back so the program draws exactly that: the pages
// the user named (a range, or a list such as "2,5" that the dialog hands to the queue to pick out)
// and whether the queue took the job.

#include <QString>

#include <vector>

class QPrintDialog;
class QPrinter;

namespace morvessa {

// "2,5", "1-3,7": pages 1..pageCount in the order named, each once; a page outside them or text
// that is no list gives nothing.
std::vector<int> ParsePageList(const QString& text, int pageCount);

// The pages (1..pageCount) the user chose in the dialog. A list the dialog left for the queue to
// select is taken off the printer's job options, so the queue prints every page it gets.
std::vector<int> TakeChosenPages(QPrinter& printer, int pageCount);

// Whether the user set the paper in the dialog's printer properties. The dialog otherwise puts
// the printer's own default paper in place of the one the printer was given.
bool PaperChosenIn(const QPrintDialog& dialog);

// Why the print queue refused the last job sent from this thread; empty when it took it (or when
// no queue was involved).
QString QueueRefusal();

}  // namespace morvessa
