#pragma once
// What a cell holds: nothing, a number, or a text.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace morvessa::sheet {

class CellValue {
public:
    CellValue() = default;
    CellValue(double number) : data_(number) {}
    CellValue(int number) : data_(double(number)) {}
    CellValue(long number) : data_(double(number)) {}
    CellValue(long long number) : data_(double(number)) {}
    CellValue(std::string text) : data_(std::move(text)) {}
    CellValue(const char* text) : data_(std::string(text)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(data_); }
    bool IsNumber() const { return std::holds_alternative<double>(data_); }
    bool IsText() const { return std::holds_alternative<std::string>(data_); }
    // Throw HostError ("Type mismatch") when the value is of the other kind.
    double Number() const;
    const std::string& Text() const;

    // How the cell's formula reads: "" for empty, the shortest round-tripping decimal for a number
    // ("29", "0.5", "1E+20"), the text itself.
    std::string FormulaText() const;

    // What typing `input` into a cell stores: "" is empty, a decimal number ("29", " -1.5 ", "1e3")
    // becomes that number, anything else stays text. Formulas ("=...") are refused with a HostError,
    // since this host does not evaluate them.
    static CellValue FromInput(std::string_view input);
    // Parses a decimal number as cell input does; nullopt when it is not one.
    static std::optional<double> ParseNumber(std::string_view input);

    friend bool operator==(const CellValue&, const CellValue&) = default;

private:
    std::variant<std::monostate, double, std::string> data_;
};

}  // namespace morvessa::sheet
