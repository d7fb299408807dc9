#include "settings/PaperSetting.h"

#include "settings/SettingsStore.h"

#include <algorithm>
#include <utility>

namespace morvessa {

namespace {

std::optional<Paper>& ChosenForScope()
{
    static std::optional<Paper> paper;
    return paper;
}

}  // namespace

QString PaperName(Paper paper)
{
    switch (paper) {
    case Paper::Letter:
        return QStringLiteral("Letter");
    case Paper::Legal:
        return QStringLiteral("Legal");
    case Paper::A3:
        return QStringLiteral("A3");
    case Paper::A4:
        break;
    }
    return QStringLiteral("A4");
}

std::optional<Paper> ParsePaper(const QString& name)
{
    const QString trimmed = name.trimmed();
    for (Paper paper : kAllPapers) {
        if (trimmed.compare(PaperName(paper), Qt::CaseInsensitive) == 0)
            return paper;
    }
    return std::nullopt;
}

Paper LocalePaper(const QLocale& locale)
{
    // The territories whose usual office paper is US Letter; the rest of the world uses A4.
    static constexpr QLocale::Territory kLetterTerritories[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,    QLocale::PuertoRico,
        QLocale::Chile,        QLocale::Colombia,  QLocale::Venezuela, QLocale::Philippines,
        QLocale::Guatemala,    QLocale::CostaRica, QLocale::Panama,    QLocale::ElSalvador,
        QLocale::Nicaragua,    QLocale::Belize,
    };
    const QLocale::Territory territory = locale.territory();
    return std::ranges::find(kLetterTerritories, territory) != std::end(kLetterTerritories) ? Paper::Letter
                                                                                            : Paper::A4;
}

std::optional<Paper> StoredPaper()
{
    if (ChosenForScope())
        return ChosenForScope();
    const QString key = QString::fromLatin1(key::PaperSize);
    const QString stored = ReadSetting(key, QString());
    const std::optional<Paper> paper = ParsePaper(stored);
    if (!paper && !stored.trimmed().isEmpty())
        ReportInvalidSetting(key, stored);
    return paper;
}

Paper CalendarPaper()
{
    return StoredPaper().value_or(LocalePaper());
}

void StorePaper(Paper paper)
{
    WriteSetting(QString::fromLatin1(key::PaperSize), PaperName(paper));
}

ScopedPaperChoice::ScopedPaperChoice(Paper paper) : previous_(std::exchange(ChosenForScope(), paper))
{
}

ScopedPaperChoice::~ScopedPaperChoice()
{
    ChosenForScope() = previous_;
}

}  // namespace morvessa
