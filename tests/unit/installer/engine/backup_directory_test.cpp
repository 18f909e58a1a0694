#include <gtest/gtest.h>

#include "installer/engine/BackupDirectory.h"
#include "installer/engine/InstallSequenceTest.h"

namespace qlr {
namespace {

using namespace test;

const char kBackup[] = "C:\\Winamp\\qlr-backup-20260307-090504";  // the fake clock's time

TEST(BackupDirectory, OneDirectoryPerInstallNamedByTheTimeMadeOnlyForACopy) {
    EXPECT_EQ(BackupDirectoryName({2026, 12, 31, 23, 59, 58}), "qlr-backup-20261231-235958");
    FakeFileSystem files;
    FakeClock clock;
    FailedSteps failed;
    files.AddDirectory("C:\\Winamp");
    files.AddFile("C:\\Winamp\\jobs.ini", "old jobs");
    files.AddFile("C:\\Users\\winamp.ini", "old settings");
    files.AddDirectory(kBackup);  // an install earlier in the same second
    files.AddFile(std::string(kBackup) + "-2", "a file of that name");

    BackupDirectory backup{files, clock, "C:\\Winamp\\"};
    EXPECT_TRUE(files.log.empty());
    EXPECT_TRUE(backup.KeepCopy("C:\\Winamp\\jobs.ini", "", failed));
    EXPECT_TRUE(backup.KeepCopy("C:\\Users\\winamp.ini", kSettingsBackupSubdirectory, failed));
    EXPECT_EQ(files.Read(std::string(kBackup) + "-3\\jobs.ini"), "old jobs");
    EXPECT_EQ(files.Read(std::string(kBackup) + "-3\\settings\\winamp.ini"), "old settings");
    EXPECT_EQ(failed.Count(), 0u);

    files.locked = {"c:\\winamp\\jobs.ini"};
    EXPECT_FALSE(backup.KeepCopy("C:\\Winamp\\jobs.ini", "", failed));
    EXPECT_EQ(failed.Lines(), (Strings{"Keep a copy of C:\\Winamp\\jobs.ini before replacing it (error 32)"}));
    // A player directory the backup directory cannot be made in.
    BackupDirectory nowhere{files, clock, "C:\\Gone\\"};
    EXPECT_FALSE(nowhere.KeepCopy("C:\\Winamp\\jobs.ini", "", failed));
    EXPECT_EQ(failed.Count(), 2u);
}

class Reinstall : public InstallSequence {
protected:
    void Again() {
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
        files.log.clear();
        ini.writes.clear();
        ASSERT_FALSE(Click());
    }
    // A winamp.ini, as a file and as the profile the player reads.
    void PlayerSettings(const std::string& path, const char* shuffle) {
        files.AddFile(path, std::string("[Winamp]\r\nshuffle=") + shuffle + "\r\n");
        ini.WritePrivateProfileStringA("Winamp", "shuffle", shuffle, path);
        ini.WritePrivateProfileStringA("Winamp", "skin", "Bento", path);
    }
    Strings Made() const {
        Strings made;
        for (const std::string& entry : files.log)
            if (entry.rfind("mkdir ", 0) == 0) made.push_back(entry);
        return made;
    }
};

TEST_F(Reinstall, KeepsACopyOfEachChangedFileAndNoneWhenNothingChanges) {
    ASSERT_FALSE(Click());  // the first install: nothing to keep
    EXPECT_TRUE(Made() == Strings{"mkdir C:\\Winamp\\qlr111"});

    files.AddFile("C:\\Winamp\\jobs.ini", "[JOBS]\r\njobs=4\r\n");  // the station's own jobs
    PlayerSettings("C:\\Winamp\\winamp.ini", "0");
    Again();
    EXPECT_EQ(Made(), (Strings{"mkdir C:\\Winamp\\qlr111", std::string("mkdir ") + kBackup}));
    EXPECT_EQ(Content(std::string(kBackup) + "\\jobs.ini"), "[JOBS]\r\njobs=4\r\n");
    EXPECT_EQ(Content(std::string(kBackup) + "\\winamp.ini"), "[Winamp]\r\nshuffle=0\r\n");
    EXPECT_FALSE(files.IsFile(std::string(kBackup) + "\\hvr.ini"));  // unchanged: not copied
    EXPECT_EQ(Content("C:\\Winamp\\jobs.ini"), "[JOBS]\r\njobs=0\r\nsusp=0\r\nauto=1\r\nsilen=1\r\n");
    EXPECT_EQ(ini.Value("C:\\Winamp\\winamp.ini", "Winamp", "shuffle"), "1");
    EXPECT_EQ(ini.Value("C:\\Winamp\\winamp.ini", "Winamp", "skin"), "Bento");

    clock.local.second = 5;  // an install right after
    Again();
    EXPECT_EQ(Made(), (Strings{"mkdir C:\\Winamp\\qlr111"}));
    EXPECT_EQ(Get("Text1"), "Quillora Installed !");
}

TEST_F(Reinstall, AFileThatCannotBeKeptIsNotReplacedAndTheInstallGoesOn) {
    files.AddFile("C:\\Winamp\\jng.ini", "[Jingles]\r\nno=3\r\n");
    files.locked = {"c:\\winamp\\jng.ini"};  // the scheduler holds it open
    PlayerSettings("C:\\Winamp\\winamp.ini", "0");
    files.locked.insert("c:\\winamp\\winamp.ini");
    ASSERT_FALSE(Click());
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 2]");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text,
              "Keep a copy of C:\\Winamp\\jng.ini before replacing it (error 32)\r\n"
              "Keep a copy of C:\\Winamp\\winamp.ini before replacing it (error 32)");
    EXPECT_EQ(Content("C:\\Winamp\\jng.ini"), "[Jingles]\r\nno=3\r\n");
    EXPECT_EQ(ini.Value("C:\\Winamp\\winamp.ini", "Winamp", "shuffle"), "0");
    EXPECT_EQ(Content("C:\\Winamp\\setback.ini"), "0\r\n0\r\n");
    EXPECT_EQ(shell.links.size(), 1u);
}

}  // namespace
}  // namespace qlr
