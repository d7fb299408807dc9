#pragma once
// What a cell holds: nothing, a number, or a text.

#include <memory>
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
    CellValue(std::string text) : data_(OwnedText(std::move(text))) {}
    CellValue(const char* text) : data_(OwnedText(text)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(data_); }
    bool IsNumber() const { return std::holds_alternative<double>(data_); }
    bool IsText() const { return std::holds_alternative<OwnedText>(data_); }
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
    // A text lives apart from its cell: most cells of a sheet are formatted blanks, and a cell of
    // this size is half what one holding a string in place would be.
    class OwnedText {
    public:
        explicit OwnedText(std::string text) : text_(std::make_unique<const std::string>(std::move(text))) {}
        OwnedText(const OwnedText& other) : text_(std::make_unique<const std::string>(*other)) {}
        OwnedText(OwnedText&&) noexcept = default;
        OwnedText& operator=(const OwnedText& other)
        {
            text_ = std::make_unique<const std::string>(*other);
            return *this;
        }
        OwnedText& operator=(OwnedText&&) noexcept = default;
        // A text moved away reads as empty, as a moved-from string does.
        const std::string& operator*() const
        {
            static const std::string kEmpty;
            return text_ ? *text_ : kEmpty;
        }
        friend bool operator==(const OwnedText& a, const OwnedText& b) { return *a == *b; }

    private:
        std::unique_ptr<const std::string> text_;
    };

    std::variant<std::monostate, double, OwnedText> data_;
};

}  // namespace morvessa::sheet
