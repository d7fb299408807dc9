#pragma once
// The program's own texts in the user's language: the translations built from translations/*.ts
// (embedded under :/i18n) and Qt's own for its standard buttons and dialogs. English is the
// language the texts are written in, so it needs no translation and is the fallback for every
// language without one. The window and the command-line tool install the same translation.

#include "core/CalendarLanguage.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

namespace morvessa {

// The translators installed for one language; removed again when this is destroyed.
class ProgramTranslation {
public:
    ProgramTranslation() = default;
    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;
    ~ProgramTranslation();

    // Installs the program's translation for the first of the locale's UI languages that has one,
    // and Qt's own for the same language. False (and nothing installed) when none has one, or for
    // the C locale whatever LANGUAGE says: the texts stay English. Needs an application object.
    bool Install(const QLocale& locale);
    // The language installed ("de", "fr"), empty for English.
    const QString& Language() const { return language_; }

    // Whether Install would find a translation for the locale; needs no application object.
    static bool Exists(const QLocale& locale);
    // Installs every translation installed so far into the application object that has just taken
    // the place of the one they were installed in.
    static void InstallAgain();

private:
    void Remove();
    std::vector<std::unique_ptr<QTranslator>> translators_;
    QString language_;
};

// The two-letter code of the language the windows speak ("de"): place and holiday names from the
// world data are asked in it. "en" under the C locale.
QString DisplayLanguageCode();

// The locale the installed translation speaks, for the month and weekday names in its messages:
// the system's when the translation is of its language, English (US) while none is installed.
QLocale MessageLocale();

// `pattern` with %1..%9 replaced by `values`, in one pass: a value is never read for placeholders
// (a holiday named "50%2" stays so), and a translation may leave out any of them.
QString FillPlaceholders(const QString& pattern, const QStringList& values);

}  // namespace morvessa
