#include "widgets/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace morvessa {

ProgramTranslation::~ProgramTranslation()
{
    Remove();
}

void ProgramTranslation::Remove()
{
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
    translators_.clear();
    language_.clear();
}

bool ProgramTranslation::Install(const QLocale& locale)
{
    Remove();
    auto own = std::make_unique<QTranslator>();
    // QTranslator walks the locale's UI languages ("de-CH", "de", ...) and stops at the first file
    // found; an English system finds none and keeps the texts as written.
    if (!own->load(locale, QStringLiteral("morvessa"), QStringLiteral("_"),
                   QString::fromLatin1(kTranslationsFolder)))
        return false;
    language_ = own->language().section(QLatin1Char('_'), 0, 0);
    QCoreApplication::installTranslator(own.get());
    translators_.push_back(std::move(own));

    // Qt's own texts (the Yes and No buttons, the file dialog) in the same language, when the
    // system has them installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        translators_.push_back(std::move(qt));
    }
    return true;
}

QString DisplayLanguageCode()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QStringLiteral("en") : locale.name().section(u'_', 0, 0);
}

}  // namespace morvessa
