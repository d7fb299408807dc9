// What the user is told when the stored holiday tables are damaged: once, in whole sentences, and
// only after a copy of the settings file was kept.
#include "holidays/HolidayStoredForm.h"

#include "core/NumericText.h"

#include <QCoreApplication>
#include <QDir>

namespace morvessa::holiday_store {

namespace {

// Why a stored count makes the load start from the default tables ("is missing"), or nothing when
// it is a number other than 0.
QString CountResetReason(const QHash<QString, QString>& stored, const char* countKey)
{
    const QString name = QString::fromLatin1(countKey);
    const auto it = stored.constFind(name);
    if (it == stored.constEnd())
        return QCoreApplication::translate("HolidayCatalogue", "%1 is missing").arg(name);
    if (RoundHalfEven(LeadingNumber(it.value())) != 0.0)
        return QString();
    if (it.value().trimmed() == u'0' && EmptyListsAllowed(stored))
        return QString();
    if (it.value().trimmed().isEmpty())
        return QCoreApplication::translate("HolidayCatalogue", "%1 is empty").arg(name);
    if (LeadingNumber(it.value()) == 0.0 && IsNumeric(it.value()))
        return QCoreApplication::translate("HolidayCatalogue", "%1 is %2").arg(name, it.value().trimmed());
    return QCoreApplication::translate("HolidayCatalogue", "%1 holds \"%2\", which is not a number")
        .arg(name, it.value());
}

}  // namespace

QString NoSavedValueMessage()
{
    return QCoreApplication::translate("HolidayCatalogue", kNoSavedValueMessage);
}

QStringList CountResetReasons(const QHash<QString, QString>& stored)
{
    QStringList reasons;
    for (const StoredTable& table : kStoredTables)
        if (const QString reason = CountResetReason(stored, table.countKey); !reason.isEmpty())
            reasons.append(reason);
    return reasons;
}

void ReportDamagedHolidays(const QStringList& problems)
{
    const QString copy = KeepCopyOfSettingsFile();
    QString text = QCoreApplication::translate(
                       "HolidayCatalogue", "Some of your saved holidays could not be read as they should:") +
                   u'\n';
    for (const QString& problem : problems)
        text += QStringLiteral("\n- ") + problem + u'.';
    text +=
        QStringLiteral("\n\n") +
        QCoreApplication::translate(
            "HolidayCatalogue",
            "The lists show every holiday that could be read. The settings file is left as it is until you "
            "add, delete or restore a holiday. A copy of it was kept as \"%1\".")
            .arg(QDir::toNativeSeparators(copy));
    ShowSettingsNoticeOnce(text);
}

void ReportReset(const QStringList& reasons)
{
    const QString copy = KeepCopyOfSettingsFile();
    ShowSettingsNoticeOnce(
        QCoreApplication::translate(
            "HolidayCatalogue",
            "Your saved holidays could not be read, because %1. Both holiday lists were reset to the "
            "default holidays. A copy of the old settings file, with your holidays in it, was kept "
            "as \"%2\".")
            .arg(reasons.join(QCoreApplication::translate("HolidayCatalogue", " and ")),
                 QDir::toNativeSeparators(copy)));
}

}  // namespace morvessa::holiday_store
