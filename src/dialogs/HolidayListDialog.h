#pragma once
// Every holiday in one list - the fixed and floating ones and the rule holidays - each its own row,
// so holidays that share a name stay reachable. Add by Rule, Edit (in place) and Delete, each one
// undoable.

#include "holidays/HolidayEditing.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace morvessa {

class RuleHolidayDialog;

class HolidayListDialog : public QDialog {
    Q_OBJECT
public:
    explicit HolidayListDialog(QWidget* parent = nullptr);

    // How the rule dialog is shown (tests fill it in and accept it); the default runs it modally.
    std::function<int(RuleHolidayDialog& dialog)> runRuleDialog;
    // Where messages go; the default is a message box.
    std::function<void(const QString& text)> showMessage;

    // The row of `entry` becomes current.
    void Select(const HolidayEntry& entry);
    QListWidget* List() const { return list_; }

    void AddByRule();
    void EditSelected();
    void DeleteSelected();

private:
    void Refresh(std::optional<HolidayEntry> current);
    std::optional<HolidayEntry> Selected() const;

    std::vector<HolidayEntry> entries_;
    QListWidget* list_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
};

// Shows the rule dialog for a new holiday and adds it (undoable); `run` empty runs it modally. True
// when one was added; `added` then holds its entry.
bool AddHolidayByRule(QWidget* parent, const std::function<int(RuleHolidayDialog&)>& run,
                      const std::function<void(const QString&)>& showMessage,
                      std::optional<HolidayEntry>* added = nullptr);

}  // namespace morvessa
