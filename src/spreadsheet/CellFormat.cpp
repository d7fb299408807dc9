#include "spreadsheet/CellFormat.h"

#include <functional>

namespace morvessa::sheet {
namespace {

inline void Mix(std::size_t& seed, std::size_t value)
{
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace

std::size_t CellFormatHash::operator()(const CellFormat& f) const noexcept
{
    std::size_t seed = std::hash<std::string>()(f.font.name);
    Mix(seed, std::hash<double>()(f.font.size));
    Mix(seed,
        std::size_t(f.font.bold) | std::size_t(f.font.italic) << 1 | std::size_t(f.font.strikethrough) << 2);
    Mix(seed, std::size_t(f.font.underline + 5000));
    Mix(seed, std::size_t(f.font.colorIndex + 5000));
    for (const BorderLine& line : f.borders) {
        Mix(seed, std::size_t(line.lineStyle + 5000) << 32 | std::size_t(line.weight + 5000) << 16 |
                      std::size_t(line.colorIndex + 5000));
    }
    Mix(seed, std::size_t(f.interior.pattern + 5000) << 32 | std::size_t(f.interior.colorIndex + 5000) << 16 |
                  std::size_t(f.interior.patternColorIndex + 5000));
    Mix(seed, std::size_t(f.horizontalAlignment + 5000) << 32 |
                  std::size_t(f.verticalAlignment + 5000) << 16 | std::size_t(f.readingOrder + 6000));
    Mix(seed, std::size_t(f.wrapText) | std::size_t(f.shrinkToFit) << 1 | std::size_t(f.locked) << 2 |
                  std::size_t(f.formulaHidden) << 3 | std::size_t(f.orientation + 500) << 8 |
                  std::size_t(f.indentLevel) << 24);
    Mix(seed, std::hash<std::string>()(f.numberFormat));
    return seed;
}

FormatTable::FormatTable()
{
    Intern(CellFormat{});
}

FormatTable::Id FormatTable::Intern(const CellFormat& format)
{
    auto found = ids_.find(format);
    if (found != ids_.end())
        return found->second;
    Id id = Id(formats_.size());
    formats_.push_back(format);
    ids_.emplace(format, id);
    return id;
}

}  // namespace morvessa::sheet
