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
