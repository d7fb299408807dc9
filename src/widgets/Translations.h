#pragma once
// The program's own texts in the user's language: the translations built from translations/*.ts
// (embedded under :/i18n) and Qt's own for its standard buttons and dialogs. English is the
// language the texts are written in, so it needs no translation and is the fallback for every
// language without one.

#include "core/CalendarLanguage.h"

#include <QLocale>
#include <QString>
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
    // and Qt's own for the same language. False (and nothing installed) when none has one: the
    // texts stay English.
    bool Install(const QLocale& locale);
    // The language installed ("de", "fr"), empty for English.
    const QString& Language() const { return language_; }

private:
    void Remove();
    std::vector<std::unique_ptr<QTranslator>> translators_;
    QString language_;
};

// The two-letter code of the language the windows speak ("de"): place and holiday names from the
// world data are asked in it. "en" under the C locale.
QString DisplayLanguageCode();

}  // namespace morvessa
