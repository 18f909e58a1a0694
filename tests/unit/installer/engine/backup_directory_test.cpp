#include <gtest/gtest.h>

#include "installer/engine/InstallSequenceTest.h"

namespace qlr {
namespace {

using namespace test;

const std::string kBackup = "C:\\Winamp\\qlr-backup-20260307-090504";  // the fake clock's time
const std::string kSettings = "C:\\Users\\dj\\AppData\\Winamp\\winamp.ini";  // the one paths.ini names

// Installs again over the station's own files, with a second winamp.ini in a settings directory.
class Reinstall : public InstallSequence {
protected:
    Reinstall() {
        shell.csidlFolders[26] = "C:\\Users\\dj\\AppData";
        ini.WritePrivateProfileStringA("Winamp", "inidir", "{26}\\Winamp", "C:\\Winamp\\paths.ini");
    }
    // Installs; the backup directories it made.
    Strings Install() {
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
        files.log.clear();
        EXPECT_FALSE(Click());
        Strings made;
        for (const std::string& entry : files.log)
            if (entry.rfind("mkdir " + kBackup, 0) == 0) made.push_back(entry.substr(6));
        return made;
    }
    // A winamp.ini with a value of the station's own, as a file and as the profile the player reads.
    void OwnSettings(const std::string& path) {
        files.AddFile(path, "[Winamp]\r\nshuffle=0\r\n");
        ini.WritePrivateProfileStringA("Winamp", "shuffle", "0", path);
    }
};

TEST_F(Reinstall, KeepsACopyOfEachFileItChangesAndNoneWhenNothingChanges) {
    EXPECT_EQ(Install(), Strings{});  // the first install: nothing of the station's to keep
    files.AddFile("C:\\Winamp\\jobs.ini", "[JOBS]\r\njobs=4\r\n");
    OwnSettings("C:\\Winamp\\winamp.ini");
    OwnSettings(kSettings);
    files.AddDirectory(kBackup);  // an install earlier in the same second
    EXPECT_EQ(Install(), (Strings{kBackup, kBackup + "-2", kBackup + "-2\\settings"}));
    EXPECT_EQ(Content(kBackup + "-2\\jobs.ini"), "[JOBS]\r\njobs=4\r\n");
    EXPECT_EQ(Content(kBackup + "-2\\winamp.ini"), "[Winamp]\r\nshuffle=0\r\n");
    EXPECT_EQ(Content(kBackup + "-2\\settings\\winamp.ini"), "[Winamp]\r\nshuffle=0\r\n");
    EXPECT_EQ(Content(kBackup + "-2\\hvr.ini"), "<missing>");  // already the install's bytes
    EXPECT_EQ(Content("C:\\Winamp\\jobs.ini"), "[JOBS]\r\njobs=0\r\nsusp=0\r\nauto=1\r\nsilen=1\r\n");
    EXPECT_EQ(ini.Value(kSettings, "Winamp", "shuffle"), "1");
    EXPECT_EQ(Install(), Strings{});  // right after: nothing changes
    EXPECT_EQ(Get("Text2"), "[All Done]");

    // A file held open by another program cannot be kept: it stays as it was, the install goes on.
    files.AddFile("C:\\Winamp\\jng.ini", "[Jingles]\r\nno=3\r\n");
    OwnSettings(kSettings);
    files.locked = {"c:\\winamp\\jng.ini", "c:\\users\\dj\\appdata\\winamp\\winamp.ini"};
    Install();
    EXPECT_EQ(Get("Text2") + " " + windows.boxes.at(0).text,
              "[Steps Failed : 2] Keep a copy of C:\\Winamp\\jng.ini before replacing it (error 32)\r\n"
              "Keep a copy of " + kSettings + " before replacing it (error 32)");
    EXPECT_EQ(Content("C:\\Winamp\\jng.ini"), "[Jingles]\r\nno=3\r\n");
    EXPECT_EQ(ini.Value(kSettings, "Winamp", "shuffle"), "0");
}

}  // namespace
}  // namespace qlr
