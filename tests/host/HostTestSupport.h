#pragma once
// What the host tests share: a GUI application for fonts and the clipboard, and a private table of
// running instances so the tests never meet the user's own.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>

#include "host/HostInstances.h"

namespace morvessa::test {

// Pictures need a QGuiApplication (fonts, clipboard); the host never creates one itself.
inline void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_host";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// A fresh, empty instance table for one test.
class PrivateInstanceTable {
public:
    PrivateInstanceTable() : scope_(dir_.path().toStdString() + "/instances") {}
    std::string Folder() const { return dir_.path().toStdString() + "/instances"; }

private:
    QTemporaryDir dir_;
    ScopedInstanceRegistryFolder scope_;
};

}  // namespace morvessa::test
