#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "BiorhythmCalc.h"
#include "Clock.h"
#include "DataFile.h"

using namespace kelra;
namespace fs = std::filesystem;

namespace {

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kelra-export-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static std::vector<std::string> Names(const fs::path& dir) {
        std::vector<std::string> names;
        for (auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string dir_;
    const DateTime now_{2026, 12, 6, 15, 0, 0};
};

const std::string kTwoDaysFile =
    "\r\nDate, Physical, Emotional, Intellectual, Intuitional, Aesthetic, Spiritual, SumClassical, "
    "SumTotal\r\n\r\n"
    "12/01/26, 27, 22, 19, 16, 15, 12, 23, 19\r\n"
    "12/02/26, 52, 43, 37, 32, 29, 23, 44, 36\r\n";

DayRecordArray TwoDays() {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 15));
    PersonProfile p;
    p.birthDate = DateTime(2026, 11, 30, 12);
    p.startDate = DateTime(2026, 12, 1, 12);
    p.endDate = DateTime(2026, 12, 2, 12);
    DayRecordArray days;
    CBiorhythmCalc().Compute(days, p);
    return days;
}

}  // namespace

TEST_F(DataFileTest, ExactBytesOfASmallFile) {
    const std::string cwd = fs::current_path();
    auto r = WriteDataFile("Newborn", TwoDays(), now_, dir_);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.fileName, "12_06_2026_newborn.txt");
    EXPECT_EQ(r.path, dir_ + "/Biorythms/12_06_2026_newborn.txt");
    EXPECT_EQ(Read(r.path), kTwoDaysFile);
    EXPECT_EQ(fs::current_path(), cwd);
}

TEST_F(DataFileTest, SmallAndNegativeValuesKeepTheirSign) {
    DayRecord d;
    d.date = DateTime(2026, 12, 1, 12);
    d.physical = -0.3;
    d.emotional = 5.3;
    d.intellectual = -26.98;
    d.intuitional = 100;
    EXPECT_EQ(FormatDataLine(d), "12/01/26, -0, 05, -27, 100, 00, 00, 00, 00\r\n");
}

TEST_F(DataFileTest, EmptyTableGivesThreeLinesAndReplacesAnEarlierFile) {
    ASSERT_TRUE(WriteDataFile("Ann", TwoDays(), now_, dir_).ok());
    auto r = WriteDataFile("Ann", {}, now_, dir_);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(Read(r.path),
              "\r\nDate, Physical, Emotional, Intellectual, Intuitional, Aesthetic, Spiritual, SumClassical, "
              "SumTotal\r\n\r\n");
    EXPECT_EQ(Names(dir_ + "/Biorythms"), std::vector<std::string>{"12_06_2026_ann.txt"});
}

TEST_F(DataFileTest, LinksNeverCarryTheWriteOutOfTheFolder) {
    // A second name in the folder for a file elsewhere: that file stays as it was.
    fs::create_directory(dir_ + "/Biorythms");
    std::ofstream(dir_ + "/outside") << "not yours";
    fs::create_hard_link(dir_ + "/outside", dir_ + "/Biorythms/12_06_2026_ann.txt");
    auto r = WriteDataFile("Ann", TwoDays(), now_, dir_);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(Read(dir_ + "/outside"), "not yours");
    EXPECT_EQ(fs::hard_link_count(dir_ + "/outside"), 1u);
    EXPECT_EQ(Read(r.path), kTwoDaysFile);

    // A folder the user linked in place of "Biorythms" is the user's choice.
    fs::create_directory(dir_ + "/mine");
    fs::rename(dir_ + "/Biorythms", dir_ + "/old");
    fs::create_directory_symlink(dir_ + "/mine", dir_ + "/Biorythms");
    ASSERT_TRUE(WriteDataFile("Ann", TwoDays(), now_, dir_).ok());
    EXPECT_EQ(Names(dir_ + "/mine"), std::vector<std::string>{"12_06_2026_ann.txt"});
}

TEST_F(DataFileTest, FileNameIsLowerCasedAndCannotLeaveItsFolder) {
    EXPECT_EQ(DataFileName("NEWBORN", now_), "12_06_2026_newborn.txt");
    EXPECT_EQ(DataFileName("", now_), "12_06_2026_.txt");
    EXPECT_EQ(DataFileName("Mary Ann, Jr.", now_), "12_06_2026_mary ann, jr..txt");
    EXPECT_EQ(DataFileName("../../x", now_), "12_06_2026_.._.._x.txt");
    EXPECT_EQ(DataFileName("a/b\\c\td\n", now_), "12_06_2026_a_b_c_d_.txt");

    for (const char* name : {"../../x", "a/b", "/etc/passwd", "..\\..\\y"}) {
        auto r = WriteDataFile(name, TwoDays(), now_, dir_);
        ASSERT_TRUE(r.ok()) << name;
        EXPECT_EQ(fs::path(r.path).parent_path(), fs::path(dir_) / "Biorythms") << name;
        EXPECT_TRUE(fs::exists(r.path)) << name;
    }
    // Nothing appeared anywhere but in the folder.
    int outside = 0;
    for (auto& e : fs::directory_iterator(dir_)) outside += e.path().filename() != "Biorythms";
    EXPECT_EQ(outside, 0);
}

TEST_F(DataFileTest, FolderThatCannotBeMadeFallsBackToTheWorkingDirectory) {
    std::ofstream(dir_ + "/Biorythms") << "a file in the way";
    auto r = WriteDataFile("Ann", TwoDays(), now_, dir_);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.path, dir_ + "/12_06_2026_ann.txt");
}

TEST_F(DataFileTest, AnythingButAPlainFileAtTheNameIsRefusedUntouched) {
    const std::string cwd = fs::current_path();
    const std::string folder = dir_ + "/Biorythms/";
    fs::create_directory(folder);
    // A directory cannot be opened as the file, for root as well as for anyone else.
    fs::create_directory(folder + "12_06_2026_ann.txt");
    std::ofstream(dir_ + "/target") << "target";
    fs::create_symlink(dir_ + "/target", folder + "12_06_2026_sym.txt");
    // A device node where the machine lets us make one (root).
    const bool device = ::mknod((folder + "12_06_2026_dev.txt").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    for (const char* name : {"Ann", "Sym", "Dev"}) {
        if (!device && std::string(name) == "Dev") continue;
        auto r = WriteDataFile(name, TwoDays(), now_, dir_);
        EXPECT_EQ(r.outcome, ExportResult::openFailed) << name;
        EXPECT_NE(r.error, 0) << name;
    }
    EXPECT_EQ(fs::current_path(), cwd);
    EXPECT_TRUE(fs::is_directory(folder + "12_06_2026_ann.txt"));
    EXPECT_TRUE(fs::is_symlink(folder + "12_06_2026_sym.txt"));
    EXPECT_EQ(Read(dir_ + "/target"), "target");
    EXPECT_EQ(Names(folder).size(), device ? 3u : 2u);  // no temporary file left
    // A later export for another name still lands directly in the folder.
    EXPECT_EQ(WriteDataFile("Bob", {}, now_, dir_).path, folder + "12_06_2026_bob.txt");
}

TEST_F(DataFileTest, AFailedRewriteKeepsTheEarlierFileWhole) {
    const auto first = WriteDataFile("Ann", TwoDays(), now_, dir_);
    ASSERT_TRUE(first.ok());
    const std::string earlier = Read(first.path);
    // A real short write: the file size limit stops the data after the open.
    struct rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 400;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    auto r = WriteDataFile("Ann", DayRecordArray(40, TwoDays()[0]), now_, dir_);
    auto fresh = WriteDataFile("Bob", DayRecordArray(40, TwoDays()[0]), now_, dir_);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(r.outcome, ExportResult::writeFailed);
    EXPECT_EQ(r.error, EFBIG);
    EXPECT_TRUE(r.keptEarlier);
    EXPECT_EQ(Read(first.path), earlier);
    EXPECT_EQ(fresh.outcome, ExportResult::writeFailed);
    EXPECT_FALSE(fresh.keptEarlier);
    // Neither the partial table nor any temporary file is left.
    EXPECT_EQ(Names(dir_ + "/Biorythms"), std::vector<std::string>{"12_06_2026_ann.txt"});
}
