// The compound-file container and the BIFF record layer: stream placement (mini stream,
// regular sectors, extra allocation-table sectors), record splitting and shared strings.

#include <gtest/gtest.h>

#include <random>

#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/SharedStrings.h"

namespace morvessa::sheet::xls {
namespace {

std::vector<uint8_t> Pattern(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> data(size);
    for (auto& b : data)
        b = static_cast<uint8_t>(random());
    return data;
}

TEST(XlsCompoundFile, StreamsOfEverySizeComeBackExactly)
{
    // Sizes around the mini-sector (64), the cutoff (4096) and the sector (512) boundaries.
    const size_t sizes[] = {0, 1, 63, 64, 65, 4095, 4096, 4097, 511 * 9, 100000};
    std::vector<CompoundStream> streams;
    for (size_t i = 0; i < std::size(sizes); ++i)
        streams.push_back(
            {u"Stream" + std::u16string(1, char16_t(u'A' + i)), Pattern(sizes[i], unsigned(i))});
    const auto file = WriteCompoundFile(streams);
    EXPECT_EQ(file.size() % 512, 0u);
    const CompoundFileReader reader(file);
    for (const auto& s : streams) {
        auto back = reader.ReadStream(s.name);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, s.data) << s.data.size();
    }
    EXPECT_TRUE(reader.ReadStream(u"streama").has_value());  // names ignore letter case
    EXPECT_FALSE(reader.ReadStream(u"Workbook").has_value());
}

TEST(XlsCompoundFile, LargeStreamNeedsAllocationTableSectorsBeyondTheHeader)
{
    // 8 MB and the FAT itself need 130 FAT sectors; the header lists 109, the rest go into a DIFAT sector.
    const std::vector<CompoundStream> streams{{u"Workbook", Pattern(8u << 20, 7)}};
    const auto file = WriteCompoundFile(streams);
    EXPECT_EQ(GetU32(&file[44]), 130u);  // FAT sectors
    EXPECT_EQ(GetU32(&file[72]), 1u);    // DIFAT sectors
    EXPECT_EQ(*CompoundFileReader(file).ReadStream(u"Workbook"), streams[0].data);
}

TEST(XlsCompoundFile, HeaderAndDirectoryFollowTheFormat)
{
    const auto file = WriteCompoundFile({{u"Workbook", Pattern(5000, 1)}});
    const uint8_t signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), file.begin()));
    EXPECT_EQ(GetU16(&file[26]), 3);       // major version
    EXPECT_EQ(GetU16(&file[28]), 0xFFFE);  // little-endian
    EXPECT_EQ(GetU16(&file[30]), 9);       // 512-byte sectors
    EXPECT_EQ(GetU32(&file[56]), 4096u);   // mini-stream cutoff
    // 5000 bytes = 10 sectors, then the directory, then the FAT: 12 sectors after the header.
    EXPECT_EQ(file.size(), 512u * 13);
    const size_t directory = 512 * (GetU32(&file[48]) + 1);
    EXPECT_EQ(file[directory + 66], 5);            // root entry
    EXPECT_EQ(file[directory + 128 + 66], 2);      // the stream
    EXPECT_EQ(GetU32(&file[directory + 76]), 1u);  // root's child is entry 1
}

TEST(XlsRecords, LongRecordsContinueInContinueRecords)
{
    BiffRecordWriter out;
    const auto data = Pattern(20000, 3);
    out.Write(0x1234, data);
    BiffRecordReader reader(out.Bytes(), 0);
    BiffRecord record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(record.id, 0x1234);
    EXPECT_EQ(record.data.size(), 8224u);
    ASSERT_EQ(record.continues.size(), 2u);
    EXPECT_EQ(record.Joined(), data);
    EXPECT_FALSE(reader.Next(record));
}

TEST(XlsRecords, SharedStringsNeverBreakACharacterAndContinuationsCarryTheirFlag)
{
    SharedStringTable table;
    std::vector<std::u16string> texts;
    for (int i = 0; i < 400; ++i) {
        std::u16string text(size_t(37 * i % 900), i % 3 ? u'a' + char16_t(i % 26) : u'\x0416');
        texts.push_back(text + std::u16string(1, char16_t(i)));  // distinct
    }
    texts.push_back(std::u16string(20000, u'\x20AC'));  // spans three records by itself
    texts.push_back(std::u16string(20000, u'z'));
    for (const auto& t : texts)
        table.Add(t);
    EXPECT_EQ(table.Add(texts[5]), 5u);  // a repeated text keeps its index

    BiffRecordWriter out;
    out.Write(0x0001, std::vector<uint8_t>(10, 0));  // the table does not start the stream
    table.Write(out);
    BiffRecordReader reader(out.Bytes(), 0);
    BiffRecord first, sst, ext;
    ASSERT_TRUE(reader.Next(first));
    ASSERT_TRUE(reader.Next(sst));
    ASSERT_TRUE(reader.Next(ext));
    ASSERT_EQ(sst.id, 0x00FC);
    EXPECT_GT(sst.continues.size(), 10u);
    for (const auto& part : sst.continues)
        EXPECT_LE(part.size(), 8224u);
    EXPECT_EQ(GetU32(&sst.data[0]), texts.size() + 1);  // uses
    EXPECT_EQ(ReadSharedStrings(sst), texts);

    // EXTSST: every bucket points at the character count of its first string.
    ASSERT_EQ(ext.id, 0x00FF);
    const uint16_t perBucket = GetU16(&ext.data[0]);
    ASSERT_EQ(ext.data.size(), 2 + 8 * ((texts.size() + perBucket - 1) / perBucket));
    for (size_t b = 0; 2 + 8 * b < ext.data.size(); ++b) {
        const uint32_t position = GetU32(&ext.data[2 + 8 * b]);
        EXPECT_EQ(GetU16(&out.Bytes()[position]), texts[b * perBucket].size()) << "bucket " << b;
    }
}

}  // namespace
}  // namespace morvessa::sheet::xls
