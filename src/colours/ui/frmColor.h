#pragma once
// The modal colour picker: one of the 56 palette colours or none, exchanged with its opener
// through CurrentColorIndex.

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

namespace morvessa {

class ColorSwatch;

class frmColor : public QDialog {
    Q_OBJECT
public:
    explicit frmColor(QWidget* parent);

private:
    void Form_Load();
    void HScroll1_Change();
    void PushButton1_Click();  // Save
    void PushButton2_Click();  // Cancel

    ColorSwatch* shpColor_ = nullptr;
    QLabel* Label1_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QLabel* Image1_ = nullptr;
    QPushButton* PushButton1_ = nullptr;
    QPushButton* PushButton2_ = nullptr;
};

}  // namespace morvessa
