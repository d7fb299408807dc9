#pragma once
// Support for driving real widgets offscreen: one QApplication for the test program, a watcher that
// answers modal boxes as they open, and a private settings file per test.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "settings/SettingsStore.h"

namespace morvessa::test {

inline QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "test_shell_ui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance())
                                   ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

// What a modal message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
};

// Polls for modal message boxes while alive; records each one and answers it with `answer`.
class ModalBoxWatcher {
public:
    explicit ModalBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer)
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    const std::vector<SeenBox>& boxes() const { return boxes_; }

private:
    void Poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes_.push_back(
            {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->windowModality()});
        QAbstractButton* button = box->button(answer_);
        if (!button)
            button = box->buttons().value(0);
        if (button)
            button->click();
        else
            box->reject();
    }
    QMessageBox::StandardButton answer_;
    QTimer timer_;
    std::vector<SeenBox> boxes_;
};

// A settings file of the test's own, in a folder that is removed afterwards.
class PrivateSettings {
public:
    PrivateSettings() : file_(dir_.filePath(QStringLiteral("settings.ini"))), scope_(file_) {}
    QString Folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString file_;
    ScopedSettingsFile scope_;
};

}  // namespace morvessa::test
