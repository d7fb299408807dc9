#pragma once
// The calendar's year, read once where it enters (the year box, --year) and checked there: the
// generation below takes it as a plain number and never parses text again.

#include <QString>

#include <optional>
#include <string>

namespace morvessa {

class CalendarYear {
public:
    // The years a calendar can be made for; others are clamped to them.
    static constexpr int kFirst = 1900;
    static constexpr int kLast = 2100;

    // The one rule for year text: a whole number in the user's locale or the plain "." form,
    // blanks around it allowed ("2024", " 2024", "02024", "+2024", "2,024", "2024.0"), clamped to
    // kFirst..kLast. Nothing for any other text ("", "abc", "2021.5").
    static std::optional<CalendarYear> FromText(const QString& text);
    // A year number, clamped to kFirst..kLast.
    static CalendarYear Clamped(long long year);

    int Number() const { return number_; }
    // Plain digits, as the month titles write it: "2024".
    std::string Text() const { return std::to_string(number_); }
    QString DisplayText() const { return QString::number(number_); }

    friend bool operator==(const CalendarYear&, const CalendarYear&) = default;

private:
    explicit CalendarYear(int number) : number_(number) {}
    int number_;
};

}  // namespace morvessa
