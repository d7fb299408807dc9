// Replacing files in one step: the target is the old file or the new one after any failure, no
// planted link is written through, and a full disk says so.

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/sysmacros.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "spreadsheet/Workbook.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/SmallFilesystem.h"

namespace morvessa::sheet::io {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "morvessa-atomic-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder_;
};

TEST_F(AtomicFileTest, ReplacesTheContentAndKeepsTheOldPermissions)
{
    const std::string target = Path("book.xls");
    WriteText(target, "old");
    ::chmod(target.c_str(), 0640);
    ReplaceFileAtomically(target, Bytes("new content"));
    EXPECT_EQ(ReadText(target), "new content");
    EXPECT_EQ(ModeOf(target), 0640u);
    EXPECT_EQ(Names(), std::vector<std::string>{"book.xls"});

    ReplaceFileAtomically(Path("private.xls"), Bytes("x"), Durability::Cached, 0600);
    EXPECT_EQ(ModeOf(Path("private.xls")), 0600u);
}

TEST_F(AtomicFileTest, ALinkPlantedAtTheOldPartialNameIsNotWrittenThrough)
{
    // Saving used to open "<target>.saving" with create-and-truncate, which followed a link there.
    const std::string victim = Path("victim.txt");
    WriteText(victim, "the victim's own text");
    fs::create_symlink(victim, Path("book.xls.saving"));
    Workbook wb;
    wb.AddSheet("Sheet1").SetCellValue(1, 1, 1.0);
    xls::SaveWorkbook(wb, Path("book.xls"));
    EXPECT_EQ(ReadText(victim), "the victim's own text");
    EXPECT_EQ(xls::OpenWorkbook(Path("book.xls"))->SheetCount(), 1);
}

TEST_F(AtomicFileTest, FollowsOnlyThisUsersLinksAtTheTarget)
{
    // A document the user keeps elsewhere through a link of their own is updated where it is.
    WriteText(Path("document.xls"), "old");
    fs::create_symlink(Path("document.xls"), Path("mine.xls"));
    ReplaceFileAtomically(Path("mine.xls"), Bytes("new"));
    EXPECT_TRUE(fs::is_symlink(Path("mine.xls")));
    EXPECT_EQ(ReadText(Path("document.xls")), "new");

    if (::geteuid() != 0)
        GTEST_SKIP() << "a link of another user can only be made by root";
    WriteText(Path("victim.txt"), "victim");
    fs::create_symlink(Path("victim.txt"), Path("planted.xls"));
    ASSERT_EQ(::lchown(Path("planted.xls").c_str(), kOtherUser, kOtherUser), 0);
    ReplaceFileAtomically(Path("planted.xls"), Bytes("ours"));
    EXPECT_EQ(ReadText(Path("victim.txt")), "victim");
    EXPECT_FALSE(fs::is_symlink(Path("planted.xls")));
    EXPECT_EQ(ReadText(Path("planted.xls")), "ours");
}

TEST_F(AtomicFileTest, APlantedLinkNeverCarriesTheWriteToItsTarget)
{
    // Dangling or not, another user's link is replaced by the file, never written through.
    if (::geteuid() != 0)
        GTEST_SKIP() << "a link of another user can only be made by root";
    fs::create_symlink(Path("nowhere/made.txt"), Path("dangling.pdf"));
    ASSERT_EQ(::lchown(Path("dangling.pdf").c_str(), kOtherUser, kOtherUser), 0);
    ReplaceFileAtomically(Path("dangling.pdf"), Bytes("ours"));
    EXPECT_FALSE(fs::is_symlink(Path("dangling.pdf")));
    EXPECT_FALSE(fs::exists(Path("nowhere")));
}

TEST_F(AtomicFileTest, DevicesAndPipesAreWrittenIntoAndOtherNonFilesRefused)
{
    // A FIFO with a reader gets the bytes and stays a FIFO; one with no reader fails at once.
    ASSERT_EQ(::mkfifo(Path("pipe.xls").c_str(), 0600), 0);
    try {
        ReplaceFileAtomically(Path("pipe.xls"), Bytes("x"));
        FAIL() << "a FIFO with no reader took the file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "no program is reading from it");
    }
    const int reader = ::open(Path("pipe.xls").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    ReplaceFileAtomically(Path("pipe.xls"), Bytes("through the pipe"));
    char got[64] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 16);
    EXPECT_STREQ(got, "through the pipe");
    ::close(reader);
    struct stat st {};
    ASSERT_EQ(::lstat(Path("pipe.xls").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    fs::create_directory(Path("folder.xls"));
    try {
        ReplaceFileAtomically(Path("folder.xls"), Bytes("x"));
        FAIL() << "a folder was replaced";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), Path("folder.xls") + ": it is not a file");
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder.xls", "pipe.xls"}));

    if (::geteuid() != 0)
        GTEST_SKIP() << "device nodes can only be made by root";
    // Copies of /dev/null and /dev/full: written into, never replaced, and a full one says so.
    ASSERT_EQ(::mknod(Path("null.xls").c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(Path("full.pdf").c_str(), S_IFCHR | 0666, ::makedev(1, 7)), 0);
    ReplaceFileAtomically(Path("null.xls"), std::vector<uint8_t>(130000, 1));
    try {
        ReplaceFileAtomically(Path("full.pdf"), Bytes("x"));
        FAIL() << "a full device took the file";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), Path("full.pdf") + ": no space is left on the device");
    }
    for (const char* name : {"null.xls", "full.pdf"}) {
        ASSERT_EQ(::lstat(Path(name).c_str(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << name << " was replaced";
    }
}

TEST_F(AtomicFileTest, ReadOnlyFilesAreToldApart)
{
    WriteText(Path("kept.xls"), "x");
    WriteText(Path("open.xls"), "x");
    ::chmod(Path("kept.xls").c_str(), 0444);
    EXPECT_TRUE(IsReadOnlyFile(Path("kept.xls")));
    EXPECT_FALSE(IsReadOnlyFile(Path("open.xls")));
    EXPECT_FALSE(IsReadOnlyFile(Path("missing.xls")));
    EXPECT_FALSE(IsReadOnlyFile(folder_));
}

TEST_F(AtomicFileTest, RemovesAbandonedPartialFilesOnlyWhenNobodyHoldsThem)
{
    const std::string target = Path("out.xls");
    WriteText(Path("out.xls.partial-dead01"), "left by a killed run");
    WriteText(Path("out.xls.partial-live01"), "being written");
    WriteText(Path("out.xls.partial-toolong1"), "not our name");
    WriteText(Path("out.xls.backup"), "the user's");
    WriteText(Path("other.xls.partial-dead02"), "another target's");
    fs::create_symlink(Path("out.xls.backup"), Path("out.xls.partial-link01"));
    // A writer holds its partial file locked until it is renamed.
    const int live = ::open(Path("out.xls.partial-live01").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    ReplaceFileAtomically(target, Bytes("done"));
    ::close(live);
    EXPECT_EQ(Names(), (std::vector<std::string>{"other.xls.partial-dead02", "out.xls", "out.xls.backup",
                                                 "out.xls.partial-link01", "out.xls.partial-live01",
                                                 "out.xls.partial-toolong1"}));
    EXPECT_EQ(ReadText(Path("out.xls.backup")), "the user's");
    EXPECT_EQ(RemoveAbandonedPartialFiles(target), 1);  // the live one, now that its lock is gone

    // Scratch files are swept the same way: a live one stays, a dead one goes, it goes with its owner.
    std::string scratchName;
    {
        const ScratchFile scratch(folder_, "lib-scratch-");
        scratchName = fs::path(scratch.Path()).filename().string();
        WriteText(Path("lib-scratch-dead03"), "left by a killed run");
        EXPECT_EQ(RemoveAbandonedFiles(folder_, "lib-scratch-"), 1);
        EXPECT_TRUE(fs::exists(scratch.Path()));
    }
    EXPECT_FALSE(fs::exists(Path(scratchName)));
}

TEST_F(AtomicFileTest, AFullDiskIsNamedAndTheOldFileStays)
{
    testing::SmallFilesystem disk(folder_, 64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    const std::string target = Path("keep.xls");
    WriteText(target, "the user's calendar");
    disk.Fill();
    try {
        ReplaceFileAtomically(target, std::vector<uint8_t>(130000, 7));
        FAIL() << "a full disk took the file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "the disk is full");
        EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadText(target), "the user's calendar");
    EXPECT_EQ(Names(), (std::vector<std::string>{".filler", "keep.xls"}));

    Workbook wb;
    wb.AddSheet("Sheet1").SetCellValue(1, 1, 1.0);
    try {
        xls::SaveWorkbook(wb, target);
        FAIL() << "a full disk took the workbook";
    } catch (const xls::XlsError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The file could not be saved: " + target + " (the disk is full).");
    }
}

TEST_F(AtomicFileTest, AFileSizeLimitFailsCleanlyToo)
{
    // Works without root: a child process may write at most 4 KB.
    const std::string target = Path("limited.xls");
    WriteText(target, "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            ReplaceFileAtomically(target, std::vector<uint8_t>(20000, 1));
        } catch (const FileError& error) {
            ::_exit(error.errorNumber() == EFBIG ? 0 : 2);
        }
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: another error than EFBIG, 3: no error";
    EXPECT_EQ(ReadText(target), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"limited.xls"});
}

TEST_F(AtomicFileTest, ContentMadePieceByPieceArrivesWholeOrNotAtAll)
{
    const std::string target = Path("picture.bmp");
    WriteText(target, "the old picture");
    const auto piece = [](const char* text) {
        return std::span(reinterpret_cast<const uint8_t*>(text), std::strlen(text));
    };
    EXPECT_THROW(ReplaceFileAtomically(target,
                                       [&](const FileSink& sink) {
                                           sink(piece("half a "));
                                           throw std::runtime_error("the encoder gave up");
                                       }),
                 std::runtime_error);
    EXPECT_EQ(ReadText(target), "the old picture");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "no partial file";

    ReplaceFileAtomically(target, [&](const FileSink& sink) {
        sink(piece("a new "));
        sink(piece(""));
        sink(piece("picture"));
    });
    EXPECT_EQ(ReadText(target), "a new picture");
}

TEST_F(AtomicFileTest, ABatchReplacesItsFilesOnlyWhenCommittedAndNamesEachOneThatFails)
{
    WriteText(Path("1900.xls"), "old 1900");
    ::chmod(Path("1900.xls").c_str(), 0640);
    fs::create_directory(Path("1902.xls"));  // a folder in the way: that one file cannot be put there
    {
        ReplacementBatch batch;
        batch.Add(Path("1900.xls"), Bytes("new 1900"));
        batch.Add(Path("1901.xls"), Bytes("new 1901"));
        batch.Add(Path("1902.xls"), Bytes("new 1902"));
        EXPECT_EQ(batch.Pending(), 3u);
        EXPECT_EQ(ReadText(Path("1900.xls")), "old 1900") << "nothing is in place before the commit";
        EXPECT_FALSE(fs::exists(Path("1901.xls")));

        const std::vector<FileError> failures = batch.Commit();
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].path(), Path("1902.xls"));
        EXPECT_EQ(batch.Pending(), 0u);
        EXPECT_EQ(ReadText(Path("1900.xls")), "new 1900");
        EXPECT_EQ(ModeOf(Path("1900.xls")), 0640u);
        EXPECT_EQ(ReadText(Path("1901.xls")), "new 1901");

        // A batch that goes without its commit leaves the targets as they were and no partial file.
        ReplacementBatch abandoned;
        abandoned.Add(Path("1901.xls"), Bytes("never"));
    }
    EXPECT_EQ(ReadText(Path("1901.xls")), "new 1901");
    EXPECT_EQ(Names(), (std::vector<std::string>{"1900.xls", "1901.xls", "1902.xls"}));
}

TEST_F(AtomicFileTest, CopyRefusesASourceThatIsNotAWholeWorkbook)
{
    Workbook wb;
    wb.AddSheet("Sheet1").SetCellValue(1, 1, 1.0);
    const std::string good = Path("good.xls");
    xls::SaveWorkbook(wb, good);
    const std::string whole = ReadText(good);
    WriteText(Path("empty.xls"), "");
    WriteText(Path("cut.xls"), whole.substr(0, whole.size() / 2));
    const std::string target = Path("keep.xls");
    WriteText(target, "the user's calendar");

    // Even a caller that has read the workbook back itself gets no broken file copied.
    for (const xls::SourceCheck check : {xls::SourceCheck::ReadBack, xls::SourceCheck::AlreadyReadBack}) {
        for (const char* source : {"empty.xls", "cut.xls", "missing.xls"}) {
            SCOPED_TRACE(source);
            EXPECT_THROW(xls::CopyWorkbookFile(Path(source), target, check), xls::XlsError);
            EXPECT_EQ(ReadText(target), "the user's calendar");
        }
    }
    try {
        xls::CopyWorkbookFile(Path("empty.xls"), target);
    } catch (const xls::XlsError& error) {
        EXPECT_NE(std::string(error.what()).find("is not complete"), std::string::npos) << error.what();
    }
    xls::CopyWorkbookFile(good, target);
    EXPECT_EQ(ReadText(target), whole);
    WriteText(target, "the user's calendar");
    xls::CopyWorkbookFile(good, target, xls::SourceCheck::AlreadyReadBack);
    EXPECT_EQ(ReadText(target), whole);
}

}  // namespace
}  // namespace morvessa::sheet::io
