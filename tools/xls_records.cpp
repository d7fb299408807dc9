// xls-records: lists the records of an .xls file, or (--load) opens it as the program does and
// lists the sheets it holds. The first thing to reach for when another program's file reads wrong.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "spreadsheet/Application.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Range.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/RecordDump.h"
#include "spreadsheet/xls/XlsFile.h"

namespace {

using namespace morvessa::sheet;

constexpr size_t kMergedAreasShown = 10;
constexpr std::streamsize kMaxDumpedFileBytes = 512ll * 1024 * 1024;

int Usage()
{
    std::cerr << "usage: xls-records FILE.xls         list the records of each stream\n"
                 "       xls-records --load FILE.xls  open the file as the program does; list its sheets\n";
    return 2;
}

void PrintSheet(Worksheet& sheet)
{
    size_t cells = 0;
    sheet.ForEachCell([&](int, int, const Cell&) { ++cells; });
    const auto& merged = sheet.MergedAreas();
    std::cout << "sheet \"" << sheet.Name() << "\": used range " << sheet.UsedRange().Address() << ", "
              << cells << " cells, " << merged.size() << " merged areas";
    for (size_t i = 0; i < merged.size() && i < kMergedAreasShown; ++i)
        std::cout << (i ? ", " : ": ") << merged[i].Address(false, false);
    if (merged.size() > kMergedAreasShown)
        std::cout << ", ...";
    std::cout << "\n";
}

// The program opens workbooks through the host's Workbooks collection; so does this.
int Load(const std::string& path)
{
    try {
        Application app;
        Workbook& book = app.Workbooks().Open(path);
        std::cout << "workbook \"" << book.Name() << "\": " << book.SheetCount() << " sheets\n";
        for (int i = 1; i <= book.SheetCount(); ++i)
            PrintSheet(book.Sheet(i));
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << "\n";
        return 1;
    }
}

int Dump(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "error: cannot open " << path << "\n";
        return 1;
    }
    std::vector<uint8_t> bytes;
    char chunk[65536];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + file.gcount());
        if (static_cast<std::streamsize>(bytes.size()) > kMaxDumpedFileBytes) {
            std::cerr << "error: " << path << " is too large\n";
            return 1;
        }
    }
    return xls::DumpWorkbookFile(bytes, std::cout) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] != "--load" && args[0] != "--help")
        return Dump(args[0]);
    if (args.size() == 2 && args[0] == "--load")
        return Load(args[1]);
    return Usage();
}
