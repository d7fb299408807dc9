#include "holidays/world/RuleGrammar.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace morvessa::world {

namespace {

constexpr std::array<const char*, 7> kWeekdays{"monday", "tuesday", "wednesday", "thursday",
                                               "friday", "saturday", "sunday"};
constexpr std::array<const char*, 12> kMonths{"january", "february", "march",     "april",   "may",      "june",
                                              "july",    "august",   "september", "october", "november", "december"};
constexpr std::array<const char*, 14> kHebrewMonths{"tishrei", "cheshvan", "kislev", "tevet", "shvat",
                                                    "adari",   "adarii",   "nisan",  "iyyar", "sivan",
                                                    "tamuz",   "av",       "elul",   "adar"};
constexpr std::array<const char*, 12> kHijriMonths{"muharram", "safar",  "rabi al-awwal", "rabi al-thani",
                                                   "jumada al-awwal", "jumada al-thani", "rajab", "shaban",
                                                   "ramadan",  "shawwal", "dhu al-qidah", "dhu al-hijjah"};
constexpr std::array<const char*, 12> kPersianMonths{"farvardin", "ordibehesht", "khordad", "tir",
                                                     "mordad",    "shahrivar",   "mehr",    "aban",
                                                     "azar",      "dey",         "bahman",  "esfand"};

template <size_t N>
int IndexOf(const std::array<const char*, N>& names, const QString& word)
{
    for (size_t i = 0; i < N; ++i)
        if (word == QLatin1String(names[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

Weekday WeekdayOf(const QString& word) { return IndexOf(kWeekdays, word); }

// Reads the words of a rule one by one; every rule form is a sequence of such words.
class Reader {
public:
    explicit Reader(const QString& text) : text_(text)
    {
        QString lower = text.toLower();
        // "saturday,sunday" and "saturday, sunday" are one list; "saturdayif" is a typo in the data.
        static const QRegularExpression glued(QStringLiteral("(day)if\\b"));
        lower.replace(glued, QStringLiteral("\\1 if"));
        lower.replace(QStringLiteral(", "), QStringLiteral(","));
        words_ = lower.split(u' ', Qt::SkipEmptyParts);
    }

    bool AtEnd() const { return at_ >= words_.size(); }
    QString Peek(int ahead = 0) const { return at_ + ahead < words_.size() ? words_[at_ + ahead] : QString(); }
    QString Take() { return AtEnd() ? QString() : words_[at_++]; }
    bool Accept(const QString& word)
    {
        if (Peek() != word)
            return false;
        ++at_;
        return true;
    }
    void Expect(const QString& word)
    {
        if (!Accept(word))
            Fail(QStringLiteral("expected \"%1\"").arg(word));
    }
    [[noreturn]] void Fail(const QString& why) const
    {
        throw RuleGrammarError(QStringLiteral("Cannot read the holiday rule \"%1\" at \"%2\": %3")
                                   .arg(text_, Peek(), why)
                                   .toStdString());
    }

private:
    QString text_;
    QStringList words_;
    qsizetype at_ = 0;
};

std::optional<QDate> MonthDay(const QString& word)
{
    static const QRegularExpression md(QStringLiteral("^(\\d\\d)-(\\d\\d)$"));
    const auto m = md.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    // 2000 is a leap year, so 02-29 is kept as a month and day.
    const QDate date(2000, m.captured(1).toInt(), m.captured(2).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<QDate> FullDate(const QString& word)
{
    // The data has "2023-09-1" once.
    static const QRegularExpression ymd(QStringLiteral("^(\\d{4})-(\\d\\d?)-(\\d\\d?)$"));
    const auto m = ymd.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<int> Number(const QString& word)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

// "1st", "2nd", "3rd", "4th", and the data's "3th", "3nd".
std::optional<int> Ordinal(const QString& word)
{
    static const QRegularExpression ordinal(QStringLiteral("^(\\d+)(st|nd|rd|th)$"));
    const auto m = ordinal.match(word);
    return m.hasMatch() ? std::optional(m.captured(1).toInt()) : std::nullopt;
}

std::vector<Weekday> WeekdayList(Reader& in)
{
    std::vector<Weekday> days;
    for (const QString& part : in.Take().split(u',', Qt::SkipEmptyParts)) {
        const Weekday day = WeekdayOf(part);
        if (!day)
            in.Fail(QStringLiteral("expected a weekday"));
        days.push_back(day);
    }
    return days;
}

void ReadZone(Reader& in, RuleBase& base)
{
    if (!in.Accept(QStringLiteral("in")))
        return;
    const QString zone = in.Take();
    static const QRegularExpression offset(QStringLiteral("^([+-])(\\d\\d):(\\d\\d)$"));
    const auto m = offset.match(zone);
    if (m.hasMatch()) {
        const int minutes = m.captured(2).toInt() * 60 + m.captured(3).toInt();
        base.zoneMinutes = m.captured(1) == u'-' ? -minutes : minutes;
    } else {
        // Zone names keep their letter case ("America/Santiago"); the reader lowered it.
        base.zone = zone;
    }
}

// "chinese 01-0-01", "chinese 78-32-08-0-15", "chinese 5-01 solarterm", "korean 8-0-14".
void ReadChinese(Reader& in, RuleBase& base, OtherCalendar calendar)
{
    const QStringList parts = in.Take().split(u'-');
    std::vector<int> n;
    for (const QString& part : parts) {
        const auto value = Number(part);
        if (!value)
            in.Fail(QStringLiteral("expected numbers joined by \"-\""));
        n.push_back(*value);
    }
    if (in.Accept(QStringLiteral("solarterm"))) {
        if (n.size() != 2 && n.size() != 4)
            in.Fail(QStringLiteral("expected term-day"));
        base.kind = RuleBase::Kind::ChineseSolarTerm;
        base.solarTerm = n[n.size() - 2];
        base.termDay = n.back();
        if (base.solarTerm < 1 || base.solarTerm > 24)
            in.Fail(QStringLiteral("a solar term is 1 to 24"));
        return;
    }
    if (n.size() != 3 && n.size() != 5)
        in.Fail(QStringLiteral("expected month-leap-day"));
    base.kind = RuleBase::Kind::Other;
    base.other.calendar = calendar;
    if (n.size() == 5)
        base.other.cycleYear = (n[0] - 1) * 60 + n[1];
    base.other.month = n[n.size() - 3];
    base.other.leapMonth = n[n.size() - 2] == 1;
    base.other.day = n.back();
    if (base.other.month < 1 || base.other.month > 12)
        in.Fail(QStringLiteral("a lunar month is 1 to 12"));
}

// The date a rule starts from, after any weekday steps.
RuleBase ReadBase(Reader& in)
{
    RuleBase base;
    const QString word = in.Take();
    if (const auto date = FullDate(word)) {
        base.kind = RuleBase::Kind::Dated;
        base.year = date->year(), base.month = date->month(), base.day = date->day();
    } else if (const auto md = MonthDay(word)) {
        base.month = md->month(), base.day = md->day();
    } else if (const int month = IndexOf(kMonths, word); month && in.Peek() != QLatin1String("equinox") &&
                                                         in.Peek() != QLatin1String("solstice")) {
        base.month = month;
    } else if (month) {
        base.kind = RuleBase::Kind::Season;
        base.month = month;
        in.Take();
        ReadZone(in, base);
    } else if (word == QLatin1String("easter") || word == QLatin1String("orthodox")) {
        base.kind = word == QLatin1String("easter") ? RuleBase::Kind::Easter : RuleBase::Kind::Orthodox;
        if (const auto offset = Number(in.Peek())) {
            base.offset = *offset;
            in.Take();
        }
    } else if (word == QLatin1String("julian")) {
        base.kind = RuleBase::Kind::Julian;
        const auto md = MonthDay(in.Take());
        if (!md)
            in.Fail(QStringLiteral("expected MM-DD"));
        base.month = md->month(), base.day = md->day();
    } else if (word == QLatin1String("chinese") || word == QLatin1String("korean") ||
               word == QLatin1String("vietnamese")) {
        ReadChinese(in, base,
                    word == QLatin1String("chinese")  ? OtherCalendar::Chinese
                    : word == QLatin1String("korean") ? OtherCalendar::Korean
                                                      : OtherCalendar::Vietnamese);
    } else if (word == QLatin1String("bengali-revised")) {
        const QStringList md = in.Take().split(u'-');
        if (md.size() != 2 || !Number(md[0]) || !Number(md[1]))
            in.Fail(QStringLiteral("expected month-day"));
        base.kind = RuleBase::Kind::Other;
        base.other = {OtherCalendar::Bengali, md[0].toInt(), false, md[1].toInt(), 0};
    } else if (const auto day = Number(word)) {
        // "15 Nisan", "10 Dhu al-Hijjah": month names of several words are joined back.
        base.kind = RuleBase::Kind::Other;
        base.other.day = *day;
        QString name = in.Take();
        if (name == QLatin1String("rabi") || name == QLatin1String("jumada") || name == QLatin1String("dhu"))
            name += u' ' + in.Take();
        if (const int h = IndexOf(kHebrewMonths, name)) {
            base.other.calendar = OtherCalendar::Hebrew;
            base.other.month = h == 14 ? kAdarII : h;
        } else if (const int i = IndexOf(kHijriMonths, name)) {
            base.other.calendar = OtherCalendar::Hijri;
            base.other.month = i;
        } else if (const int p = IndexOf(kPersianMonths, name)) {
            base.other.calendar = OtherCalendar::Persian;
            base.other.month = p;
        } else {
            in.Fail(QStringLiteral("unknown month \"%1\"").arg(name));
        }
    } else {
        in.Fail(QStringLiteral("unknown date"));
    }
    return base;
}

// "3rd sunday after", "friday before", "1st monday in", "5 days before": zero or more, outer first.
void ReadSteps(Reader& in, Rule& rule)
{
    for (;;) {
        int count = 1;
        int used = 0;
        if (const auto ordinal = Ordinal(in.Peek())) {
            count = *ordinal;
            used = 1;
        } else if (const auto number = Number(in.Peek()); number && !Number(in.Peek(1)) &&
                   (in.Peek(1) == QLatin1String("day") || in.Peek(1) == QLatin1String("days") ||
                    in.Peek(1) == QLatin1String("d"))) {
            in.Take();
            in.Take();
            const QString direction = in.Take();
            if (direction != QLatin1String("before") && direction != QLatin1String("after"))
                in.Fail(QStringLiteral("expected before or after"));
            rule.steps.push_back({*number, 0, direction == QLatin1String("before")});
            continue;
        }
        const Weekday weekday = WeekdayOf(in.Peek(used));
        const QString direction = in.Peek(used + 1);
        if (!weekday || (direction != QLatin1String("before") && direction != QLatin1String("after") &&
                         direction != QLatin1String("in")))
            return;
        for (int i = 0; i < used + 2; ++i)
            in.Take();
        rule.steps.push_back({count, weekday, direction == QLatin1String("before")});
    }
}

std::optional<QDate> YearOrDate(Reader& in)
{
    const QString word = in.Take();
    if (const auto date = FullDate(word))
        return date;
    if (const auto year = Number(word); year && word.size() == 4)
        return QDate(*year, 1, 1);
    in.Fail(QStringLiteral("expected a year or a date"));
}

bool ReadTime(const QString& word, int& minutes)
{
    static const QRegularExpression hm(QStringLiteral("^(\\d\\d):(\\d\\d)$"));
    const auto m = hm.match(word);
    if (!m.hasMatch())
        return false;
    minutes = m.captured(1).toInt() * 60 + m.captured(2).toInt();
    return true;
}

bool ReadDuration(const QString& word, std::optional<int>& minutes)
{
    static const QRegularExpression iso(QStringLiteral("^p(?:(\\d+)d)?(?:t(?:(\\d+)h)?(?:(\\d+)m)?)?$"));
    const auto m = iso.match(word);
    if (!m.hasMatch() || word.size() < 2)
        return false;
    minutes = m.captured(1).toInt() * 1440 + m.captured(2).toInt() * 60 + m.captured(3).toInt();
    return true;
}

// "if ..." after the date: a start time, a weekday move, a move off another holiday, or a bridge.
void ReadIf(Reader& in, Rule& rule, bool keepOriginal)
{
    if (in.Accept(QStringLiteral("is"))) {
        CollisionShift collision;
        if (in.Peek() != QLatin1String("holiday"))
            collision.type = in.Take();
        in.Expect(QStringLiteral("holiday"));
        in.Expect(QStringLiteral("then"));
        collision.next = in.Take() == QLatin1String("next");
        collision.to = WeekdayOf(in.Take());
        if (!collision.to)
            in.Fail(QStringLiteral("expected a weekday"));
        rule.collision = collision;
        return;
    }
    if (const auto md = MonthDay(in.Peek())) {
        in.Take();
        rule.bridgeDays.push_back(*md);
        while (in.Accept(QStringLiteral("and"))) {
            const auto more = MonthDay(in.Take());
            if (!more)
                in.Fail(QStringLiteral("expected MM-DD"));
            rule.bridgeDays.push_back(*more);
        }
        in.Expect(QStringLiteral("is"));
        if (in.Peek() != QLatin1String("holiday"))
            rule.bridgeType = in.Take();
        in.Expect(QStringLiteral("holiday"));
        return;
    }
    const std::vector<Weekday> when = WeekdayList(in);
    in.Expect(QStringLiteral("then"));
    int minutes = 0;
    if (ReadTime(in.Peek(), minutes)) {
        in.Take();
        rule.startOn.push_back({when, minutes});
        return;
    }
    const QString direction = in.Take();
    if (direction != QLatin1String("next") && direction != QLatin1String("previous"))
        in.Fail(QStringLiteral("expected next or previous"));
    const Weekday to = WeekdayOf(in.Take());
    if (!to)
        in.Fail(QStringLiteral("expected a weekday"));
    rule.shifts.push_back({when, to, direction == QLatin1String("next"), keepOriginal});
}

void ReadModifiers(Reader& in, Rule& rule)
{
    // From "and if" on, the moves keep the day itself besides the moved one; after "since YEAR",
    // "and" only joins conditions.
    bool keep = false;
    bool afterYear = false;
    while (!in.AtEnd()) {
        const QString word = in.Take();
        if (word.startsWith(u'#'))
            continue;  // tells apart two entries with the same rule
        if (ReadTime(word, rule.startMinutes) || ReadDuration(word, rule.durationMinutes))
            continue;
        if (word == QLatin1String("and")) {
            keep = keep || (in.Peek() == QLatin1String("if") && !afterYear);
            continue;
        }
        afterYear = word == QLatin1String("since") || word == QLatin1String("prior");
        if (word == QLatin1String("if")) {
            ReadIf(in, rule, keep);
        } else if (word == QLatin1String("since")) {
            rule.since = YearOrDate(in);
        } else if (word == QLatin1String("prior")) {
            in.Expect(QStringLiteral("to"));
            rule.priorTo = YearOrDate(in);
        } else if (word == QLatin1String("every")) {
            const auto n = Number(in.Take());
            in.Expect(QStringLiteral("years"));
            in.Expect(QStringLiteral("since"));
            const auto from = Number(in.Take());
            if (!n || *n < 1 || !from)
                in.Fail(QStringLiteral("expected every N years since YEAR"));
            rule.everyYears = *n;
            rule.everySince = *from;
        } else if (word == QLatin1String("in")) {
            const QString which = in.Take();
            in.Expect(QStringLiteral("years"));
            using F = Rule::YearFilter;
            rule.yearFilter = which == QLatin1String("even")       ? F::Even
                              : which == QLatin1String("odd")      ? F::Odd
                              : which == QLatin1String("leap")     ? F::Leap
                              : which == QLatin1String("non-leap") ? F::NonLeap
                                                                   : (in.Fail(QStringLiteral("unknown years")), F::Any);
        } else if (word == QLatin1String("on")) {
            rule.onlyOn = WeekdayList(in);
        } else if (word == QLatin1String("not")) {
            in.Expect(QStringLiteral("on"));
            rule.notOn = WeekdayList(in);
        } else {
            in.Fail(QStringLiteral("unknown word"));
        }
    }
}

}  // namespace

Rule ParseRule(const QString& text)
{
    Rule rule;
    rule.text = text;
    Reader in(text);
    rule.substitutes = in.Accept(QStringLiteral("substitutes"));
    ReadSteps(in, rule);
    rule.base = ReadBase(in);
    if (rule.base.kind == RuleBase::Kind::Season && !rule.base.zone.isEmpty()) {
        // Take the zone name as written, not lowered.
        static const QRegularExpression zone(QStringLiteral("\\bin ([A-Za-z_]+/[A-Za-z_/]+)"));
        rule.base.zone = zone.match(text).captured(1);
    }
    ReadModifiers(in, rule);
    return rule;
}

}  // namespace morvessa::world
