#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFilez.h"
#include "fakes/FakeShell.h"
#include "installer/engine/FailedSteps.h"
#include "installer/engine/ShellLink.h"
#include "installer/engine/SystemDirs.h"

namespace qlr {
namespace {

using namespace test;

TEST(ParseHotKey, ReadsTheShellsNotation) {
    const struct {
        const char* text;
        std::uint16_t word;
    } valid[] = {
        {"CTRL+SHIFT+W", 0x0357}, {"shift+ctrl+w", 0x0357}, {"ALT+F4", 0x0473},
        {"CTRL+ALT+9", 0x0639},   {"EXT+Home", 0x0824},     {"W", 0x0057},
        {"CTRL+F24", 0x0287},     {"", 0x0000},             {"F01", 0x0070},
    };
    for (const auto& c : valid) {
        SCOPED_TRACE(c.text);
        std::optional<std::uint16_t> word = ParseHotKey(c.text);
        ASSERT_TRUE(word.has_value());
        EXPECT_EQ(*word, c.word);
    }
    for (const char* text : {"CTRL+", "CTRL+SHIFT", "HYPER+W", "CTRL+WW", "F25", "F0", "+W",
                             "CTRL++W", "CTRL+SHIFT+W+", "F+1", "F-1", "F1 "}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseHotKey(text).has_value());
    }
}

TEST(ParseIconLocation, TakesTheNumberAfterTheLastComma) {
    const struct {
        const char* text;
        const char* path;
        int index;
    } cases[] = {
        {"C:\\Winamp\\qlr111\\qlr111.exe,0", "C:\\Winamp\\qlr111\\qlr111.exe", 0},
        {"D:\\a,b\\x.exe,3", "D:\\a,b\\x.exe", 3},
        {"x.dll,-101", "x.dll", -101},
        {"x.exe", "x.exe", 0},
        {"D:\\a,b\\x.exe", "D:\\a,b\\x.exe", 0},
        {"x.exe,", "x.exe,", 0},
        // Nine digits at most, after an optional '-'; anything else stays part of the path.
        {"x.exe,-123456789", "x.exe", -123456789},
        {"x.exe,1234567890", "x.exe,1234567890", 0},
        {"x.exe,+5", "x.exe,+5", 0},
        {"x.exe,-", "x.exe,-", 0},
        {"x.exe, 5", "x.exe, 5", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        IconLocation icon = ParseIconLocation(c.text);
        EXPECT_EQ(icon.path, c.path);
        EXPECT_EQ(icon.index, c.index);
    }
}

class CreateLinkTest : public ::testing::Test {
protected:
    Status Link(std::int32_t dest, const std::string& subFolder, const std::string& hotKey = "CTRL+SHIFT+W") {
        LinkRequest link;
        link.dest = dest;
        link.name = "Quillora";
        link.target = "D:\\Radio\\qlr111.exe";
        link.hotKey = hotKey;
        link.icon = "D:\\Radio\\qlr111.exe,0";
        link.workingDirectory = "C:\\Winamp";
        link.subFolder = subFolder;
        link.windowStyle = 7;
        return CreateLink({shell, files}, link, &linkPath);
    }

    FakeFileSystem files;
    FakeShell shell{files};
    std::string linkPath;
};

TEST_F(CreateLinkTest, SavesTheShortcutOnTheDesktopAndReplacesItWhenCalledAgain) {
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(Link(0, "").ok());
        EXPECT_EQ(linkPath, "C:\\Users\\dj\\Desktop\\Quillora.lnk");
        ASSERT_EQ(shell.links.size(), 1u);
        const Shortcut& link = shell.links.begin()->second;
        EXPECT_EQ(link.target, "D:\\Radio\\qlr111.exe");
        EXPECT_EQ(link.description, "Quillora");
        EXPECT_EQ(link.hotKey, 0x0357);
        EXPECT_EQ(link.iconPath, "D:\\Radio\\qlr111.exe");
        EXPECT_EQ(link.iconIndex, 0);
        EXPECT_EQ(link.workingDirectory, "C:\\Winamp");
        EXPECT_EQ(link.showCommand, 7);
    }
    EXPECT_EQ(shell.saves, 2);
    EXPECT_TRUE(files.log.empty());  // no sub-folder, no directory made
}

TEST_F(CreateLinkTest, SubFolderIsMadeOrFoundAndAMissingOneFailsAtTheSave) {
    shell.folders[SpecialFolder::Programs] = "C:\\Users\\dj\\Programs";
    files.AddDirectory("C:\\Users\\dj\\Programs");
    files.AddDirectory("C:\\Users\\dj\\Programs\\Radio");

    EXPECT_TRUE(Link(1, "Radio").ok());  // exists already: the failed creation goes unnoticed
    EXPECT_EQ(linkPath, "C:\\Users\\dj\\Programs\\Radio\\Quillora.lnk");
    EXPECT_TRUE(Link(1, "New").ok());
    EXPECT_TRUE(files.IsDirectory("C:\\Users\\dj\\Programs\\New"));
    EXPECT_TRUE(files.IsFile("C:\\Users\\dj\\Programs\\New\\Quillora.lnk"));
    EXPECT_EQ(Link(1, "No\\Parent").error, kErrorPathNotFound);
}

TEST_F(CreateLinkTest, FailsWithoutFolderOrWithABadHotKeyAndSavesNothing) {
    EXPECT_EQ(Link(3, "").error, kErrorFileNotFound);  // no start-up folder
    EXPECT_EQ(Link(4, "").error, kErrorInvalidParameter);
    EXPECT_EQ(Link(-1, "").error, kErrorInvalidParameter);
    EXPECT_EQ(Link(0, "", "CTRL+SHIFT").error, kErrorInvalidParameter);
    EXPECT_EQ(shell.saves, 0);
}

TEST(SystemDirs, AreTheBufferTextUpToItsNulAndFailWithoutOne) {
    FakeIniFilez ini;
    std::string directory = "unchanged";
    ASSERT_TRUE(GetSystemDir(ini, directory).ok());
    EXPECT_EQ(directory, "C:\\WINDOWS\\SYSTEM");
    ASSERT_TRUE(GetWindowsDir(ini, directory).ok());
    EXPECT_EQ(directory, "C:\\WINDOWS");

    ini.systemDirectory = std::string(254, 'x');  // fits with its NUL in 255
    ASSERT_TRUE(GetSystemDir(ini, directory).ok());
    EXPECT_EQ(directory.size(), 254u);

    directory = "unchanged";
    ini.systemDirectory = std::string(255, 'x');  // does not fit: the buffer stays all spaces
    EXPECT_EQ(GetSystemDir(ini, directory).error, kErrorInvalidParameter);
    ini.windowsDirectory.reset();
    EXPECT_EQ(GetWindowsDir(ini, directory).error, kErrorInvalidParameter);
    EXPECT_EQ(directory, "unchanged");
}

}  // namespace
}  // namespace qlr
