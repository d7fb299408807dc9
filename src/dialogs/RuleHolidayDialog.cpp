#include "dialogs/RuleHolidayDialog.h"

#include "core/CalendarNames.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace morvessa {

namespace {

using Kind = HolidayRule::Kind;
using Observed = HolidayRule::Observed;

// Kinds in the order of the kind box.
const Kind kKinds[] = {
    Kind::Fixed, Kind::NthWeekday, Kind::EasterOffset, Kind::WeekdayOnOrAfter, Kind::WeekdayOnOrBefore,
    Kind::Dated};
const char* const kKindNames[] = {
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Fixed date"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Weekday of a month (1st to 5th or last)"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Days from Easter Sunday"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Weekday on or after a date"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Weekday on or before a date"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "One day of one year")};
const Observed kObserved[] = {Observed::None, Observed::SaturdayToFridaySundayToMonday,
                              Observed::NextFreeWeekday, Observed::SundayToNextFreeWeekday};
const char* const kObservedNames[] = {
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "No"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Saturday on the Friday, Sunday on the Monday"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Weekend on the next free weekday"),
    QT_TRANSLATE_NOOP("morvessa::RuleHolidayDialog", "Sunday on the next free weekday")};

// A month's last day in any year, and in a dated rule's own year.
int DaysInMonth(int month, int year)
{
    static constexpr int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year != 0 && !((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
        return 28;
    return days[month - 1];
}

template <typename T, std::size_t N>
int IndexOf(const T (&values)[N], T value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (values[i] == value)
            return static_cast<int>(i);
    return 0;
}

QSpinBox* YearBox(QWidget* parent, const char* name, bool optional)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    // 1582 shows as "any": the years before the Gregorian calendar are never in question here.
    box->setRange(optional ? 1582 : 1583, 9999);
    if (optional)
        box->setSpecialValueText(QCoreApplication::translate("morvessa::RuleHolidayDialog", "any"));
    return box;
}

}  // namespace

RuleHolidayDialog::RuleHolidayDialog(const HolidayRule& rule, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RuleHolidayDialog"));
    setWindowTitle(rule.name.isEmpty() ? tr("Add Holiday by Rule") : tr("Edit Holiday"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Name"));
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("Kind"));
    for (const char* text : kKindNames)
        kind_->addItem(tr(text));
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("Month"));
    month_->addItems(MonthNameList());
    day_ = new QSpinBox(this);
    day_->setObjectName(QStringLiteral("Day"));
    day_->setRange(1, 31);
    year_ = YearBox(this, "Year", false);
    weekday_ = new QComboBox(this);
    weekday_->setObjectName(QStringLiteral("Weekday"));
    weekday_->addItems(WeekdayNameList());
    occurrence_ = new QComboBox(this);
    occurrence_->setObjectName(QStringLiteral("Occurrence"));
    for (const char* text : {QT_TR_NOOP("1st"), QT_TR_NOOP("2nd"), QT_TR_NOOP("3rd"), QT_TR_NOOP("4th"),
                             QT_TR_NOOP("5th"), QT_TR_NOOP("Last")})
        occurrence_->addItem(tr(text));
    offset_ = new QSpinBox(this);
    offset_->setObjectName(QStringLiteral("Offset"));
    offset_->setRange(-366, 366);
    offset_->setSuffix(tr(" days"));
    observed_ = new QComboBox(this);
    observed_->setObjectName(QStringLiteral("Observed"));
    for (const char* text : kObservedNames)
        observed_->addItem(tr(text));
    firstYear_ = YearBox(this, "FirstYear", true);
    lastYear_ = YearBox(this, "LastYear", true);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Message"));
    message_->setWordWrap(true);

    form_ = new QFormLayout;
    form_->addRow(tr("&Name:"), name_);
    form_->addRow(tr("&Kind:"), kind_);
    form_->addRow(tr("&Occurrence:"), occurrence_);
    form_->addRow(tr("&Weekday:"), weekday_);
    form_->addRow(tr("&Month:"), month_);
    form_->addRow(tr("&Day:"), day_);
    form_->addRow(tr("&Year:"), year_);
    form_->addRow(tr("&Easter offset:"), offset_);
    form_->addRow(tr("On a &weekend, observed:"), observed_);
    form_->addRow(tr("In force &from:"), firstYear_);
    form_->addRow(tr("&until:"), lastYear_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RuleHolidayDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RuleHolidayDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(message_);
    layout->addWidget(buttons);

    SetRule(rule);
    const auto changed = [this] { UpdateFields(); };
    connect(name_, &QLineEdit::textChanged, this, changed);
    for (QComboBox* box : {kind_, month_, weekday_, occurrence_, observed_})
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    for (QSpinBox* box : {day_, year_, offset_, firstYear_, lastYear_})
        connect(box, &QSpinBox::valueChanged, this, changed);
    UpdateFields();
    ScrollLaidOutWhenLargerThanScreen(*this);
}

void RuleHolidayDialog::SetRule(const HolidayRule& rule)
{
    name_->setText(rule.name);
    kind_->setCurrentIndex(IndexOf(kKinds, rule.kind));
    month_->setCurrentIndex(rule.month - 1);
    day_->setValue(rule.day);
    year_->setValue(rule.kind == Kind::Dated ? rule.year : 2027);
    weekday_->setCurrentIndex(rule.weekday - 1);
    occurrence_->setCurrentIndex(rule.occurrence == HolidayRule::kLast ? 5 : rule.occurrence - 1);
    offset_->setValue(rule.offset);
    observed_->setCurrentIndex(IndexOf(kObserved, rule.observed));
    firstYear_->setValue(rule.firstYear == 0 ? firstYear_->minimum() : rule.firstYear);
    lastYear_->setValue(rule.lastYear == 0 ? lastYear_->minimum() : rule.lastYear);
    UpdateFields();
}

HolidayRule RuleHolidayDialog::Rule() const
{
    HolidayRule rule;
    rule.kind = kKinds[kind_->currentIndex()];
    rule.name = name_->text().trimmed();
    rule.month = month_->currentIndex() + 1;
    rule.day = day_->value();
    rule.weekday = weekday_->currentIndex() + 1;
    rule.occurrence = occurrence_->currentIndex() == 5 ? HolidayRule::kLast : occurrence_->currentIndex() + 1;
    rule.offset = offset_->value();
    if (rule.kind == Kind::Fixed)
        rule.observed = kObserved[observed_->currentIndex()];
    if (rule.kind == Kind::Dated) {
        rule.year = year_->value();
    } else {
        rule.firstYear = firstYear_->value() == firstYear_->minimum() ? 0 : firstYear_->value();
        rule.lastYear = lastYear_->value() == lastYear_->minimum() ? 0 : lastYear_->value();
    }
    // Unused fields go back to their defaults, so equal rules compare equal.
    HolidayRule clean = ParseRuleText(RuleText(rule));
    clean.name = rule.name;
    return clean;
}

QString RuleHolidayDialog::ProblemInWords() const
{
    const Kind kind = kKinds[kind_->currentIndex()];
    if (kind == Kind::EasterOffset || kind == Kind::NthWeekday)
        return {};
    const int month = month_->currentIndex() + 1;
    const int year = kind == Kind::Dated ? year_->value() : 0;
    const int day = day_->value();
    if (day <= DaysInMonth(month, year))
        return {};
    const QString monthName = month_->currentText();
    if (day == 29)
        return tr("%1 is not a leap year: February has no 29th day.").arg(year);
    return day == 30 ? tr("%1 has no 30th day.").arg(monthName) : tr("%1 has no 31st day.").arg(monthName);
}

QString RuleHolidayDialog::YearsProblemInWords() const
{
    const Kind kind = kKinds[kind_->currentIndex()];
    const bool bothSet = firstYear_->value() != firstYear_->minimum() && lastYear_->value() != lastYear_->minimum();
    if (kind != Kind::Dated && bothSet && lastYear_->value() < firstYear_->value())
        return tr("The last year comes before the first year.");
    return {};
}

// What is wrong with the fields, in words; the rule text the program stores is never shown.
QString RuleHolidayDialog::CheckedDescription() const
{
    QString problem = ProblemInWords();
    if (problem.isEmpty())
        problem = YearsProblemInWords();
    if (!problem.isEmpty())
        throw HolidayRuleError(problem.toStdString());
    try {
        return DescribeRule(Rule());
    } catch (const HolidayRuleError&) {
        throw HolidayRuleError(tr("These choices do not make a holiday.").toStdString());
    }
}

void RuleHolidayDialog::UpdateFields()
{
    const Kind kind = kKinds[kind_->currentIndex()];
    const bool weekday =
        kind == Kind::NthWeekday || kind == Kind::WeekdayOnOrAfter || kind == Kind::WeekdayOnOrBefore;
    form_->setRowVisible(occurrence_, kind == Kind::NthWeekday);
    form_->setRowVisible(weekday_, weekday);
    form_->setRowVisible(month_, kind != Kind::EasterOffset);
    form_->setRowVisible(day_, kind != Kind::EasterOffset && kind != Kind::NthWeekday);
    form_->setRowVisible(year_, kind == Kind::Dated);
    form_->setRowVisible(offset_, kind == Kind::EasterOffset);
    form_->setRowVisible(observed_, kind == Kind::Fixed);
    form_->setRowVisible(firstYear_, kind != Kind::Dated);
    form_->setRowVisible(lastYear_, kind != Kind::Dated);
    try {
        message_->setText(CheckedDescription());
    } catch (const HolidayRuleError& error) {
        message_->setText(QString::fromUtf8(error.what()));
    }
    adjustSize();
}

QString RuleHolidayDialog::MessageText() const
{
    return message_->text();
}

void RuleHolidayDialog::accept()
{
    try {
        CheckedDescription();
        if (Rule().name.isEmpty()) {
            message_->setText(tr("Please give the holiday a name."));
            name_->setFocus();
            return;
        }
    } catch (const HolidayRuleError& error) {
        message_->setText(QString::fromUtf8(error.what()));
        return;
    }
    QDialog::accept();
}

}  // namespace morvessa
