#include "core/ProgramTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <mutex>

namespace morvessa {

namespace {

// The language of the installed translation; read by reports made on the tool's worker threads.
std::mutex g_messageGuard;
QString g_messageLanguage;

void SetMessageLanguage(const QString& language)
{
    const std::lock_guard lock(g_messageGuard);
    g_messageLanguage = language;
}

// The translations installed, for an application object that replaces the one they went into;
// application objects come and go on the main thread only.
std::vector<ProgramTranslation*> g_installed;

// Like gettext, the C locale means untranslated output: scripts that set LC_ALL=C rely on it.
bool WantsTranslation(const QLocale& locale)
{
    return locale.language() != QLocale::C;
}

bool LoadProgramTranslation(QTranslator& translator, const QLocale& locale)
{
    // QTranslator walks the locale's UI languages ("de-CH", "de", ...) and stops at the first file
    // found; an English system finds none and keeps the texts as written.
    return WantsTranslation(locale) && translator.load(locale, QStringLiteral("morvessa"), QStringLiteral("_"),
                                                       QString::fromLatin1(kTranslationsFolder));
}

}  // namespace

ProgramTranslation::~ProgramTranslation()
{
    Remove();
}

void ProgramTranslation::Remove()
{
    std::erase(g_installed, this);
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
    if (!translators_.empty())
        SetMessageLanguage({});
    translators_.clear();
    language_.clear();
}

bool ProgramTranslation::Exists(const QLocale& locale)
{
    QTranslator translator;
    return LoadProgramTranslation(translator, locale);
}

bool ProgramTranslation::Install(const QLocale& locale)
{
    Remove();
    auto own = std::make_unique<QTranslator>();
    if (!LoadProgramTranslation(*own, locale) || !QCoreApplication::installTranslator(own.get()))
        return false;
    language_ = own->language().section(QLatin1Char('_'), 0, 0);
    translators_.push_back(std::move(own));
    SetMessageLanguage(language_);
    g_installed.push_back(this);

    // Qt's own texts (the Yes and No buttons, the file dialog, the command line's "Usage:") in the
    // same language, when the system has them installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        translators_.push_back(std::move(qt));
    }
    return true;
}

void ProgramTranslation::InstallAgain()
{
    for (const ProgramTranslation* translation : g_installed)
        for (const auto& translator : translation->translators_)
            QCoreApplication::installTranslator(translator.get());
}

QString DisplayLanguageCode()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QStringLiteral("en") : locale.name().section(u'_', 0, 0);
}

QLocale MessageLocale()
{
    QString language;
    {
        const std::lock_guard lock(g_messageGuard);
        language = g_messageLanguage;
    }
    if (language.isEmpty())
        return QLocale(QLocale::English, QLocale::UnitedStates);
    const QLocale system = QLocale::system();
    return system.name().section(u'_', 0, 0) == language ? system : QLocale(language);
}

QString FillPlaceholders(const QString& pattern, const QStringList& values)
{
    QString filled;
    filled.reserve(pattern.size() + 32);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
            const qsizetype index = pattern[i + 1].unicode() - u'1';
            if (index < values.size()) {
                filled += values[index];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

}  // namespace morvessa
