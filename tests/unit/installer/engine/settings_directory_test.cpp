#include <gtest/gtest.h>

#include "fakes/FakeShell.h"
#include "installer/engine/FailedSteps.h"
#include "installer/engine/InstallSequenceTest.h"
#include "installer/engine/SettingsDirectory.h"

namespace qlr {
namespace {

using namespace test;

TEST(SettingsDirectory, ResolvesEachFormOfTheValueOrSaysWhyNot) {
    FakeFileSystem files;
    FakeShell shell{files};
    shell.csidlFolders[26] = "C:\\Users\\dj\\AppData";
    shell.environment["USERPROFILE"] = "C:\\Users\\dj";
    shell.environment["USERNAME"] = "dj";
    const struct {
        const char* value;
        const char* directory;  // or the error
        std::uint32_t error;
    } cases[] = {
        {"{26}\\Winamp", "C:\\Users\\dj\\AppData\\Winamp", 0},  // the usual value
        {" \t{26}\\Winamp\\ ", "C:\\Users\\dj\\AppData\\Winamp", 0},
        {"{26}", "C:\\Users\\dj\\AppData", 0},
        {"{026}Winamp\\%USERNAME%", "C:\\Users\\dj\\AppData\\Winamp\\dj", 0},
        {"%USERPROFILE%\\Radio", "C:\\Users\\dj\\Radio", 0},
        {"%Winamp_Program_Dir%\\Settings", "D:\\Apps\\Winamp\\Settings", 0},
        {"%WINAMP_ROOT_DIR%", "D:\\", 0},
        {"50%\\Radio", "D:\\Apps\\Winamp\\50%\\Radio", 0},  // no closing '%'
        {"E:\\Radio\\\\", "E:\\Radio", 0},
        {"\\\\server\\share\\Radio", "\\\\server\\share\\Radio", 0},
        {"\\Radio", "D:\\Radio", 0},
        {"Radio", "D:\\Apps\\Winamp\\Radio", 0},
        {"", nullptr, kErrorInvalidParameter},
        {"{x}\\Winamp", nullptr, kErrorInvalidParameter},
        {"{26\\Winamp", nullptr, kErrorInvalidParameter},
        {"{99}\\Winamp", nullptr, kErrorFileNotFound},  // a folder the platform cannot give
        {"%NOSUCH%\\Winamp", nullptr, kErrorEnvvarNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const Result<std::string> resolved = ResolveSettingsDirectory(c.value, "D:\\Apps\\Winamp", shell);
        EXPECT_EQ(resolved.status.error, c.error);
        if (c.directory) {
            EXPECT_EQ(resolved.value, c.directory);
        }
    }
}

TEST(SettingsDirectory, IsMadeWithItsMissingParents) {
    FakeFileSystem files;
    EXPECT_TRUE(MakeSettingsDirectory(files, "C:\\Users\\dj\\AppData\\Winamp").ok());
    EXPECT_TRUE(files.IsDirectory("C:\\Users\\dj\\AppData\\Winamp"));
    EXPECT_TRUE(MakeSettingsDirectory(files, "C:\\Users\\dj\\AppData\\Winamp").ok());  // exists
    EXPECT_EQ(MakeSettingsDirectory(files, "Q:\\Radio").error, kErrorPathNotFound);     // no drive Q:
}

// The install's step for a player with settings per user, after the one for its own directory.
class SettingsWherePlayerReads : public InstallSequence {
protected:
    SettingsWherePlayerReads() { shell.csidlFolders[26] = "C:\\Users\\dj\\AppData"; }
    void PathsIni(const char* key, const char* value) {
        ini.WritePrivateProfileStringA("Winamp", key, value, "C:\\Winamp\\paths.ini");
        ini.writes.clear();
    }
    std::size_t WritesInto(const std::string& file) const {
        std::size_t count = 0;
        for (const std::string& write : ini.writes) count += write.size() > file.size() &&
            write.compare(write.size() - file.size(), file.size(), file) == 0;
        return count;
    }
};

TEST_F(SettingsWherePlayerReads, TheValuesGoIntoTheNamedDirectoryToo) {
    PathsIni("inidir", "{26}\\Winamp");
    const std::string settings = "C:\\Users\\dj\\AppData\\Winamp\\winamp.ini";
    ASSERT_FALSE(Click());
    EXPECT_EQ(Get("Text1"), "Quillora Installed !");
    EXPECT_TRUE(files.IsDirectory("C:\\Users\\dj\\AppData\\Winamp"));
    EXPECT_EQ(WritesInto("C:\\Winamp\\winamp.ini"), 23u);
    EXPECT_EQ(WritesInto(settings), 23u);
    EXPECT_EQ(ini.Value(settings, "OUT_DS_SSRC", "cfg_total_time"), "779567");

    // A reinstall over the station's own values there keeps a copy of that file.
    files.AddFile(settings, "[Winamp]\r\nrepeat=0\r\n");
    ini.WritePrivateProfileStringA("Winamp", "repeat", "0", settings);
    Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
    ASSERT_FALSE(Click());
    EXPECT_EQ(Content("C:\\Winamp\\qlr-backup-20260307-090504\\settings\\winamp.ini"), "[Winamp]\r\nrepeat=0\r\n");
    EXPECT_FALSE(files.IsFile("C:\\Winamp\\qlr-backup-20260307-090504\\winamp.ini"));  // unchanged
    EXPECT_EQ(ini.Value(settings, "Winamp", "repeat"), "1");
}

TEST_F(SettingsWherePlayerReads, WithoutTheValueOnlyThePlayersDirectory) {
    PathsIni("skin", "Bento");
    ASSERT_FALSE(Click());
    EXPECT_EQ(ini.writes.size(), 23u);
    EXPECT_EQ(WritesInto("C:\\Winamp\\winamp.ini"), 23u);
    EXPECT_EQ(Get("Text1"), "Quillora Installed !");
}

TEST_F(SettingsWherePlayerReads, AValueThatNamesNoDirectoryIsOneFailedStep) {
    for (const char* value : {"{99}\\Winamp", "%NOSUCH%\\Winamp", " "}) {
        SCOPED_TRACE(value);
        PathsIni("inidir", value);
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
        windows.boxes.clear();
        ASSERT_FALSE(Click());
        EXPECT_EQ(Get("Text2"), "[Steps Failed : 1]");
        ASSERT_EQ(windows.boxes.size(), 1u);
        EXPECT_EQ(windows.boxes[0].text.find("Find the settings directory inidir=" + std::string(value) +
                                             " of C:\\Winamp\\paths.ini (error "), 0u);
        EXPECT_EQ(ini.writes.size(), 23u);  // the player's directory only
    }
}

}  // namespace
}  // namespace qlr
