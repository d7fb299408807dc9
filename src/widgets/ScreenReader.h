#pragma once
// What a screen reader and the keyboard need from windows laid out by hand: fields named by the
// labels beside them, names for controls without a label, and Enter pressing the focused button.

#include <QString>

class QLabel;
class QMenuBar;
class QWidget;

namespace morvessa {

// The words a label shows, as a name: without its mnemonic marker and its closing colon.
QString SpokenLabel(const QString& labelText);

// Ties `label` to `field`: the label's letter focuses the field and a screen reader speaks the
// label's words as the field's name, with `group` (the frame around both, if any) as its description.
void NameFieldByLabel(QLabel* label, QWidget* field, const QString& group = {});

// A name (and description) for a control that has no label of its own.
void NameControl(QWidget* control, const QString& name, const QString& description = {});

// Shows `corner` at the right end of `bar`, as QMenuBar::setCornerWidget does, but where a screen
// reader finds it: a menu bar's accessible object lists its menus only, so `corner` becomes a child of
// the bar's parent, kept over the room the bar leaves for it, in the bar's font and colours. The bar
// must have its parent already.
void SetReadableCornerWidget(QMenuBar* bar, QWidget* corner);

// Qt's own file dialog ties no label to its "Look in:" and "Files of type:" boxes, so a screen reader
// speaks only what they show, and its print dialog's file button says only "..."; from this call on,
// every such dialog the program shows has them named.
void NameQtDialogFields();

// Enter or Return on a focused push button of `window` presses it, as Space does; Qt does that by
// itself only inside dialogs.
void PressButtonsOnEnter(QWidget* window);

// Gives each button of `window` (push, radio and check buttons without one) a mnemonic: a letter
// of its text, a word's first where it can, that neither the window's menu bar nor another button
// uses, in whatever language the texts are. Alt and the underlined letter then press the button.
void GiveButtonsMnemonics(QWidget* window);

// The letter a text's mnemonic marks ("&File" → 'f'), lower-cased; null when it has none.
QChar MnemonicLetter(const QString& text);

}  // namespace morvessa
