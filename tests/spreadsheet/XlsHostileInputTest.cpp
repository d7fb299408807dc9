// Broken and hostile files: the reader refuses them with a clear message and never crashes,
// loops or reads outside the file.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <random>

#include "spreadsheet/Application.h"
#include "spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {
namespace {

const std::filesystem::path kData = std::filesystem::path(MORVESSA_SOURCE_DIR) / "tests/spreadsheet/data";

std::string OpenError(const std::string& path)
{
    try {
        OpenWorkbook(path);
    } catch (const XlsError& e) {
        return e.what();
    }
    return "<opened>";
}

TEST(XlsHostileInput, EveryBrokenFileOfTheCorpusFailsWithItsReason)
{
    const std::pair<const char*, const char*> expected[] = {
        {"not_a_compound_file.xls", "The file is not a valid workbook: it is not an Excel 97-2003"},
        {"cut_inside_header.xls", "The file is not a valid workbook: it is too short"},
        {"cut_inside_workbook_stream.xls", "The file is not a valid workbook: "},
        {"directory_chain_loops.xls",
         "The file is not a valid workbook: the sector chain of the directory loops."},
        {"workbook_chain_loops.xls",
         "The file is not a valid workbook: the sector chain of the workbook stream loops."},
        {"directory_outside_file.xls",
         "The file is not a valid workbook: the sector chain of the directory points outside"},
        {"workbook_size_too_large.xls",
         "The file is not a valid workbook: the workbook stream claims to be larger"},
        {"no_workbook_stream.xls", "The file is not a valid workbook: it holds no workbook stream."},
        {"older_excel_format.xls", "The file was saved in an Excel format older than Excel 97"},
        {"record_longer_than_stream.xls", "The file is not a valid workbook: a record is cut short."},
        {"shared_string_index_out_of_range.xls",
         "The file is not a valid workbook: a cell refers to a shared string"},
        {"sheet_outside_stream.xls",
         "The file is not a valid workbook: a sheet lies outside the workbook stream."},
        {"merged_area_outside_sheet.xls",
         "The file is not a valid workbook: a merged area lies outside the sheet."},
        {"sheet_name_not_allowed.xls", "The file is not a valid workbook: "},
    };
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kData))
        files += entry.path().extension() == ".xls";
    EXPECT_EQ(files, std::size(expected)) << "every broken file has its expected reason here";
    for (const auto& [name, reason] : expected) {
        const std::string message = OpenError((kData / name).string());
        EXPECT_EQ(message.rfind(reason, 0), 0u) << name << ": " << message;
    }
    EXPECT_EQ(OpenError((kData / "missing.xls").string()).rfind("The file could not be opened: ", 0), 0u);
}

// Every change to a good file either opens or fails with XlsError; nothing else escapes.
TEST(XlsHostileInput, DamagedCalendarFilesOpenOrFailCleanly)
{
    Application app;
    Workbook& book = sheet::testing::PrepareWorkbook(app, 36);
    sheet::testing::BuildMonth(app, book, 2024, 3, 15);
    const std::vector<uint8_t> good = WriteWorkbookBytes(book);
    std::mt19937 random(20240301);
    int opened = 0, refused = 0;
    auto attempt = [&](const std::vector<uint8_t>& bytes) {
        try {
            ReadWorkbookBytes(bytes);
            ++opened;
        } catch (const XlsError& e) {
            ++refused;
            ASSERT_EQ(std::string(e.what()).rfind("The ", 0), 0u) << e.what();
        }
    };
    for (size_t cut = 0; cut < good.size(); cut += 97)
        attempt({good.begin(), good.begin() + long(cut)});
    for (int round = 0; round < 1500; ++round) {
        std::vector<uint8_t> bytes = good;
        const int changes = 1 + int(random() % 8);
        for (int k = 0; k < changes; ++k) {
            const size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0:
                bytes[at] ^= uint8_t(1u << (random() % 8));
                break;
            case 1:
                bytes[at] = 0xFF;
                break;
            default:
                bytes[at] = uint8_t(random());
                break;
            }
        }
        attempt(bytes);
    }
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

// A workbook stream made record by record: globals with one sheet "S", then the sheet's records.
class RawWorkbook {
public:
    RawWorkbook()
    {
        Bof(0x0005);
        std::vector<uint8_t> boundSheet;
        offsetField_ = out_.Bytes().size() + 4;
        PutU32(boundSheet, 0);
        PutU16(boundSheet, 0);
        PutU8(boundSheet, 1);
        PutU8(boundSheet, 0);
        PutU8(boundSheet, 'S');
        out_.Write(0x0085, boundSheet);
        out_.Write(0x000A, {});
        SetU32(out_.Bytes(), offsetField_, uint32_t(out_.Position()));
        Bof(0x0010);
    }
    void Bof(uint16_t type)
    {
        std::vector<uint8_t> d;
        PutU16(d, 0x0600);
        PutU16(d, type);
        d.resize(16, 0);
        out_.Write(0x0809, d);
    }
    void Number(uint16_t row, uint16_t column, double value)
    {
        std::vector<uint8_t> d;
        PutU16(d, row);
        PutU16(d, column);
        PutU16(d, 15);
        PutF64(d, value);
        out_.Write(0x0203, d);
    }
    void Blank(uint16_t row, uint16_t column)
    {
        std::vector<uint8_t> d;
        PutU16(d, row);
        PutU16(d, column);
        PutU16(d, 15);
        out_.Write(0x0201, d);
    }
    void Eof() { out_.Write(0x000A, {}); }
    std::vector<uint8_t> File() { return WriteCompoundFile({{u"Workbook", out_.Bytes()}}); }

private:
    BiffRecordWriter out_;
    size_t offsetField_ = 0;
};

// A small file must not make the model hold millions of cells: one cell at column IV in each of
// 65,536 rows would need 16.7 million.
TEST(XlsHostileInput, FileThatWouldFillTheWholeGridIsRefused)
{
    RawWorkbook raw;
    for (uint32_t row = 0; row < 65536; ++row)
        raw.Blank(uint16_t(row), 255);
    raw.Eof();
    try {
        ReadWorkbookBytes(raw.File());
        FAIL() << "opened";
    } catch (const XlsError& e) {
        EXPECT_STREQ(e.what(), "The workbook is too large to be opened.");
    }
}

TEST(XlsHostileInput, ChartsEmbeddedInASheetAreSkippedAndOddNumbersKeptAsText)
{
    RawWorkbook raw;
    raw.Number(0, 0, 1.5);
    raw.Bof(0x0020);  // an embedded chart, itself holding a nested substream
    raw.Bof(0x0020);
    raw.Number(5, 5, 99);
    raw.Eof();
    raw.Eof();
    raw.Number(1, 0, std::numeric_limits<double>::quiet_NaN());
    raw.Eof();
    auto book = ReadWorkbookBytes(raw.File());
    const Worksheet& s = book->Sheet(1);
    EXPECT_EQ(s.FindCell(1, 1)->value, CellValue(1.5));
    EXPECT_EQ(s.FindCell(6, 6), nullptr);
    EXPECT_EQ(s.FindCell(2, 1)->value, CellValue("#NUM!"));

    RawWorkbook unended;
    unended.Bof(0x0020);
    unended.Number(0, 0, 1);
    EXPECT_THROW(ReadWorkbookBytes(unended.File()), XlsError);
}

}  // namespace
}  // namespace morvessa::sheet::xls
