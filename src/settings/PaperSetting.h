#pragma once
// The paper the calendar is printed on: the user's stored choice, else the paper usual where the
// user lives (Letter in the Americas' Letter countries, A4 elsewhere).

#include <QLocale>
#include <QString>

#include <optional>

namespace morvessa {

namespace key {
inline constexpr const char* PaperSize = "PaperSize";
}  // namespace key

enum class Paper { A4, Letter, Legal, A3 };

inline constexpr Paper kAllPapers[] = {Paper::A4, Paper::Letter, Paper::Legal, Paper::A3};

// "A4", "Letter", "Legal", "A3": the stored text and the menu text.
QString PaperName(Paper paper);
// A paper from its name in any letter case ("a4", "LETTER"); nullopt for anything else.
std::optional<Paper> ParsePaper(const QString& name);

// Letter where the locale's territory uses it, A4 everywhere else.
Paper LocalePaper(const QLocale& locale = QLocale());

// The paper the user chose, or nullopt when none is stored (or the stored text names no paper).
std::optional<Paper> StoredPaper();
// The stored choice, else the locale's paper.
Paper CalendarPaper();
// Stores the user's choice (throws SettingsStoreError when the store cannot be written).
void StorePaper(Paper paper);

// Makes StoredPaper() answer `paper` for one scope without touching the store (the batch tool's
// --paper).
class ScopedPaperChoice {
public:
    explicit ScopedPaperChoice(Paper paper);
    ~ScopedPaperChoice();
    ScopedPaperChoice(const ScopedPaperChoice&) = delete;
    ScopedPaperChoice& operator=(const ScopedPaperChoice&) = delete;

private:
    std::optional<Paper> previous_;
};

}  // namespace morvessa
