#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFilez.h"
#include "fakes/FakeWindowSystem.h"
#include "installer/engine/ConfigFiles.h"
#include "installer/engine/WinampSettings.h"

namespace qlr {
namespace {

using namespace test;

const char kDir[] = "C:\\Winamp\\";

class ConfigFiles : public ::testing::Test {
protected:
    ConfigFiles() { files.AddDirectory("C:\\Winamp"); }
    std::string Bytes(const char* name) { return files.Read(std::string(kDir) + name).value_or("<missing>"); }

    FakeFileSystem files;
    FakeClock clock;
    BackupDirectory backup{files, clock, kDir};
    FailedSteps failed;
};

TEST_F(ConfigFiles, WritesTheFiveFilesByteForByteReplacingEarlierOnes) {
    files.AddFile("C:\\Winamp\\hvr.ini", "[Heavy]\r\nno=7\r\nint=9\r\nenab=0\r\ncue=0\r\nextra=1\r\n");
    files.AddFile("C:\\Winamp\\job1.fil", "numbered");
    WriteConfigFiles(files, kDir, "D:\\My Lists\\main list.m3u", backup, failed);

    EXPECT_EQ(Bytes("hvr.ini"), "[Heavy]\r\nno=0\r\nint=1\r\nenab=1\r\ncue=1\r\n");
    EXPECT_EQ(Bytes("jobs.ini"), "[JOBS]\r\njobs=0\r\nsusp=0\r\nauto=1\r\nsilen=1\r\n");
    EXPECT_EQ(Bytes("jng.ini"), "[Jingles]\r\nno=0\r\nint=12\r\nshuf=1\r\nenab=1\r\ncue=1\r\n");
    EXPECT_EQ(Bytes("deflist.fil"), "D:\\My Lists\\main list.m3u\r\n");
    EXPECT_EQ(Bytes("setback.ini"), "0\r\n0\r\n");
    EXPECT_EQ(Bytes("hvr.ini").size(), 37u);
    EXPECT_EQ(Bytes("jobs.ini").size(), 41u);
    EXPECT_EQ(Bytes("jng.ini").size(), 48u);
    EXPECT_EQ(Bytes("job1.fil"), "numbered");
    EXPECT_EQ(failed.Count(), 0u);
    // One file at a time, in this order; the station's own hvr.ini kept before it is replaced.
    EXPECT_EQ(files.log, (std::vector<std::string>{
                           "mkdir C:\\Winamp\\qlr-backup-20260307-090504",
                           "copy C:\\Winamp\\hvr.ini -> C:\\Winamp\\qlr-backup-20260307-090504\\hvr.ini",
                           "create C:\\Winamp\\hvr.ini", "create C:\\Winamp\\jobs.ini",
                           "create C:\\Winamp\\jng.ini", "create C:\\Winamp\\deflist.fil",
                           "create C:\\Winamp\\setback.ini"}));
}

TEST_F(ConfigFiles, AFileThatCannotBeCreatedIsSkippedAndReportedOnce) {
    files.AddFile("C:\\Winamp\\jobs.ini", "locked", /*readOnly=*/true);
    WriteConfigFiles(files, kDir, "D:\\a.m3u", backup, failed);
    EXPECT_EQ(Bytes("jobs.ini"), "locked");
    EXPECT_EQ(Bytes("jng.ini").size(), 48u);
    EXPECT_EQ(failed.Lines(), (std::vector<std::string>{"Create C:\\Winamp\\jobs.ini (error 5)"}));
}

TEST_F(ConfigFiles, AFailingLineIsReportedAndTheFollowingLinesStillWritten) {
    files.failingLines = {"int=1"};  // as on a full disk
    WriteConfigFiles(files, kDir, "D:\\a.m3u", backup, failed);
    EXPECT_EQ(Bytes("hvr.ini"), "[Heavy]\r\nno=0\r\nenab=1\r\ncue=1\r\n");
    EXPECT_EQ(failed.Lines(),
              (std::vector<std::string>{"Write line 3 of C:\\Winamp\\hvr.ini (error 112)"}));
}

TEST_F(ConfigFiles, AMissingDirectoryFailsEachFileOnce) {
    WriteConfigFiles(files, "C:\\Gone\\", "D:\\a.m3u", backup, failed);
    EXPECT_EQ(failed.Count(), 5u);
    EXPECT_EQ(failed.Lines().back(), "Create C:\\Gone\\setback.ini (error 3)");
}

TEST(WinampSettings, EveryFailedWriteIsReportedAndTheRestStillAttempted) {
    FakeIniFilez ini;
    FailedSteps failed;
    ini.failingFiles = {"c:\\gone\\winamp.ini"};
    WriteWinampSettings(ini, "C:\\Gone\\winamp.ini", failed);
    // The values themselves are read back from a real winamp.ini by the end-to-end tests.
    EXPECT_EQ(ini.writes.size(), 23u);
    ASSERT_EQ(failed.Count(), 23u);
    EXPECT_EQ(failed.Lines()[0], "Write setting shuffle in [Winamp] of C:\\Gone\\winamp.ini (error 3)");
}

}  // namespace
}  // namespace qlr
