// Every folder of src/ is a layer; a file may include its own layer and the layers below it only.
// A new folder must be placed in the table before anything may include it. Beside the layers, the
// names in src/ say what a thing is: a control's design name ("PushButton8") lives on only in
// strings (object names, error locations) and comments.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bottom to top. Layers that share a rank (dialogs and preview) may not include each other: only strictly
// lower ranks are allowed.
const std::map<std::string, int> kLayerRank = {
    {"spreadsheet", 0}, {"core", 1},  {"settings", 2}, {"colours", 3}, {"holidays", 4}, {"host", 5},
    {"calendar", 6},    {"batch", 7}, {"widgets", 8},  {"dialogs", 9}, {"preview", 9},  {"app", 10},
};

const fs::path kSourceRoot = fs::path(MORVESSA_SOURCE_DIR) / "src";

struct Include {
    fs::path file;
    int line;
    std::string target;
};

std::string LayerOf(const fs::path& relative)
{
    return relative.begin()->string();
}

std::vector<Include> QuotedIncludes(const fs::path& file)
{
    static const std::regex pattern(R"re(^\s*#\s*include\s+"([^"]+)")re");
    std::vector<Include> found;
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch match;
        if (std::regex_search(text, match, pattern))
            found.push_back({file, line, match[1].str()});
    }
    return found;
}

std::vector<fs::path> SourceFiles()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceRoot)) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(LayerRule, EveryFolderOfSrcHasARank)
{
    for (const auto& entry : fs::directory_iterator(kSourceRoot)) {
        if (entry.is_directory())
            EXPECT_TRUE(kLayerRank.count(entry.path().filename().string()))
                << entry.path().filename() << " is not in the layer table";
    }
}

TEST(LayerRule, IncludesOnlyRunDownward)
{
    const auto files = SourceFiles();
    ASSERT_GT(files.size(), 50u) << "the source tree was not found at " << kSourceRoot;
    int checked = 0;
    for (const auto& file : files) {
        const std::string from = LayerOf(fs::relative(file, kSourceRoot));
        const auto fromRank = kLayerRank.find(from);
        ASSERT_NE(fromRank, kLayerRank.end()) << file;
        for (const auto& include : QuotedIncludes(file)) {
            const fs::path target(include.target);
            // Includes relative to the including file (generated moc files and the like).
            if (std::distance(target.begin(), target.end()) < 2)
                continue;
            const std::string to = LayerOf(target);
            ++checked;
            if (to == from)
                continue;
            const auto toRank = kLayerRank.find(to);
            if (toRank == kLayerRank.end()) {
                ADD_FAILURE() << file << ":" << include.line << " includes \"" << include.target
                              << "\" outside the layers";
                continue;
            }
            EXPECT_LT(toRank->second, fromRank->second)
                << file << ":" << include.line << " (" << from << ") includes \"" << include.target << "\" ("
                << to << "), which is not below it";
        }
    }
    EXPECT_GT(checked, 100);
}

// The text of a file without its string literals and comments.
std::string CodeOnly(const fs::path& file)
{
    std::ifstream in(file);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    static const std::regex literalOrComment(R"re("(?:[^"\\\n]|\\.)*"|//[^\n]*|/\*[\s\S]*?\*/)re");
    return std::regex_replace(text, literalOrComment, " ");
}

TEST(LayerRule, NoIdentifierIsNamedAfterAControlNumber)
{
    static const std::regex numbered(
        R"re(\b(PushButton|Text|Frame|List|[HV]Scroll|Option|Label|Picture|Image|Command|Combo|cmb[A-Za-z]*)[0-9]+\w*)re",
        std::regex::icase);
    ASSERT_TRUE(std::regex_search(std::string("QLineEdit* Text5_ = nullptr;"), numbered));
    ASSERT_FALSE(std::regex_search(CodeOnly(kSourceRoot / "app/MainWindow.h"), std::regex("\\bForm1\\.")));
    for (const auto& file : SourceFiles()) {
        const std::string code = CodeOnly(file);
        for (std::sregex_iterator it(code.begin(), code.end(), numbered), end; it != end; ++it)
            ADD_FAILURE() << fs::relative(file, kSourceRoot) << " names an identifier " << it->str();
    }
}

// A file a reader can take in: past this many lines it is split along its seams.
TEST(LayerRule, NoSourceFileIsLongerThanAReaderTakesIn)
{
    constexpr int kMaxLines = 800;
    for (const auto& file : SourceFiles()) {
        std::ifstream in(file);
        int lines = 0;
        for (std::string text; std::getline(in, text);)
            ++lines;
        EXPECT_LE(lines, kMaxLines) << fs::relative(file, kSourceRoot);
    }
}

}  // namespace
