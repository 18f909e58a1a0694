#include <gtest/gtest.h>

#include "common/Paths.h"

namespace qlr {
namespace {

TEST(Paths, TrailingBackslashIsAddedOnce) {
    EXPECT_EQ(WithTrailingBackslash("D:\\Radio\\qlr111"), "D:\\Radio\\qlr111\\");
    EXPECT_EQ(WithTrailingBackslash("D:\\Radio\\qlr111\\"), "D:\\Radio\\qlr111\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(WithTrailingBackslash(""), "\\");
}

TEST(Paths, PlayerDirectoryIsCutByPosition) {
    EXPECT_EQ(CutPlayerDirectory("\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\""),
              "C:\\Program Files\\Winamp");
    // Unquoted program path: the first character of the directory is lost, unreported.
    EXPECT_EQ(CutPlayerDirectory("C:\\Winamp\\winamp.exe\" \"%1\""), ":\\Winamp");
    EXPECT_EQ(CutPlayerDirectory("\"D:\\winamp.exe\" \"%1\""), "D:");
    EXPECT_EQ(CutPlayerDirectory(std::string(18, 'x')), "");
    EXPECT_EQ(CutPlayerDirectory(std::string(17, 'x')), std::nullopt);
    EXPECT_EQ(CutPlayerDirectory(""), std::nullopt);
}

TEST(Paths, PlayerDirectoryComesFromTheProgramPathTheCommandNames) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        // The player's own form: exactly what the cut gives.
        {"\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"", "C:\\Program Files\\Winamp"},
        {"\"D:\\winamp.exe\" \"%1\"", "D:"},
        // Quoted, with a program name of another length or nothing after it.
        {"\"C:\\Apps\\Winamp 5\\winamp5.exe\" /add \"%1\"", "C:\\Apps\\Winamp 5"},
        {"\"C:\\Winamp\\winamp.exe\"", "C:\\Winamp"},
        // Unquoted: up to the first ".exe", in any letter case.
        {"C:\\Program Files\\Winamp\\winamp.exe \"%1\"", "C:\\Program Files\\Winamp"},
        {"C:\\Program Files\\Winamp\\WINAMP.EXE %1", "C:\\Program Files\\Winamp"},
        {"C:\\Winamp\\winamp.exe\" \"%1\"", "C:\\Winamp"},
        {"E:\\winamp.exe", "E:"},
        {"C:\\Tools.exe\\winamp.exe %1", "C:"},  // the first ".exe" ends the path
        // No program path with a directory: the cut by position and its rules.
        {"xxxxxxxxxxxxxxxxxx", ""},
        {"xxxxxxxxxxxxxxxxx", std::nullopt},
        {"", std::nullopt},
        {"Not Found", std::nullopt},
        {"\"winamp.exe\" \"%1\"", std::nullopt},    // 17 characters, no '\\'
        {"winamp.exe \"%1\" and more", "inamp."},   // cut by position
    };
    for (const auto& [command, directory] : cases) EXPECT_EQ(PlayerDirectory(command), directory) << command;
}

TEST(Paths, ListShowsAtMostTenLines) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 13; ++i) lines.push_back("line " + std::to_string(i));
    std::string text = ListAtMost(lines);
    EXPECT_EQ(text.rfind("line 10\r\n... and 3 more"), text.size() - 23);
    EXPECT_EQ(text.find("line 11"), std::string::npos);
    lines.resize(10);
    EXPECT_EQ(ListAtMost(lines).find("more"), std::string::npos);
    EXPECT_EQ(ListAtMost({"a", "b"}), "a\r\nb");
}

}  // namespace
}  // namespace qlr
