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
        // Nothing but backslashes: a network path without its server, not the current drive's root.
        {"\t\t\\\\", nullptr, kErrorInvalidParameter},
        {"\\\\\\", nullptr, kErrorInvalidParameter},
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

// The install's step for a player with settings per user: the values go into the settings
// directory too, made with its missing parents; a value that names none is one failed step.
class SettingsWherePlayerReads : public InstallSequence {
protected:
    std::string InstallWith(const char* inidir) {
        ini.WritePrivateProfileStringA("Winamp", "inidir", inidir, "C:\\Winamp\\paths.ini");
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
        EXPECT_FALSE(Click());
        return Get("Text2") + (windows.boxes.empty() ? "" : " " + windows.boxes[0].text);
    }
};

TEST_F(SettingsWherePlayerReads, TheValuesGoIntoTheNamedDirectoryOrItIsOneFailedStep) {
    shell.csidlFolders[26] = "C:\\Users\\dj\\AppData";
    EXPECT_EQ(InstallWith("{26}\\Winamp"), "[All Done]");
    EXPECT_TRUE(files.IsDirectory("C:\\Users\\dj\\AppData\\Winamp"));
    for (const char* file : {"C:\\Winamp\\winamp.ini", "C:\\Users\\dj\\AppData\\Winamp\\winamp.ini"})
        EXPECT_EQ(ini.Value(file, "OUT_DS_SSRC", "cfg_total_time"), "779567") << file;
    EXPECT_EQ(InstallWith("%NOSUCH%"),
              "[Steps Failed : 1] Find the settings directory inidir=%NOSUCH% of C:\\Winamp\\paths.ini (error 203)");
    EXPECT_EQ(InstallWith("Q:\\Radio"), "[Steps Failed : 1] Make directory Q:\\Radio (error 3)");
}

}  // namespace
}  // namespace qlr
