#pragma once
// Test helpers for the settings model: readable QString failures and a private settings file per test.

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace morvessa::testing {

// Every test of this fixture reads and writes a settings file of its own in a temporary folder,
// never the user's store.
class TempSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        scoped_ = std::make_unique<ScopedSettingsFile>(SettingsPath());
    }
    void TearDown() override { scoped_.reset(); }

    QString SettingsPath() const { return folder_.filePath(QStringLiteral("Vantrelle.ini")); }
    QString FolderPath(const QString& name) const { return folder_.filePath(name); }

    // Replaces the settings file with raw text, as a hand edit or a damaged disk would leave it.
    void WriteRawSettings(const QByteArray& content) const
    {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QByteArray RawSettings() const
    {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<ScopedSettingsFile> scoped_;
};

}  // namespace morvessa::testing
