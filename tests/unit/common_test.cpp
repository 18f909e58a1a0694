#include <gtest/gtest.h>

#include "common/Paths.h"
#include "forms/Controls.h"

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

struct CountingView : forms::ControlView {
    void Refresh(const forms::Control&) override { ++refreshes; }
    int refreshes = 0;
};

TEST(Forms, ChangesInCodeReachViewAndEventUserEditsOnlyTheEvent) {
    forms::TextBox box("Text1", 1, {}, "start");
    CountingView view;
    int changes = 0;
    box.AttachView(&view);
    box.onChange = [&] { ++changes; };

    box.SetText("start");  // no change, no event
    EXPECT_EQ(changes, 0);
    box.SetText("abc\0def");
    EXPECT_EQ(box.Text(), "abc");
    box.SetText(std::string("xy\0z", 4));
    EXPECT_EQ(box.Text(), "xy");  // a window's text stops at the first NUL
    EXPECT_EQ(view.refreshes, 2);
    box.TextEditedByUser("typed");
    EXPECT_EQ(box.Text(), "typed");
    EXPECT_EQ(view.refreshes, 2);
    EXPECT_EQ(changes, 3);
}

TEST(Forms, DisabledButtonIgnoresClicks) {
    forms::Button button("Command1", 1, {}, "&Go");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    button.Click();
    button.SetEnabled(false);
    button.Click();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace qlr

namespace qlr {
namespace {

TEST(Forms, LabelsWrapAtBlanksLikeAWindowLabel) {
    auto width = [](const std::string& text) { return int(text.size()); };  // one unit a character
    // Blanks at a break are dropped, however many there are.
    EXPECT_EQ(forms::WrapText("Version 1.11c" + std::string(12, ' ') + "Installer 1.00", 16, width),
              (std::vector<std::string>{"Version 1.11c", "Installer 1.00"}));
    EXPECT_EQ(forms::WrapText("one two three", 7, width),
              (std::vector<std::string>{"one two", "three"}));
    // Line breaks end a line; an empty paragraph is an empty line; a long word stands alone.
    EXPECT_EQ(forms::WrapText("ab\r\n\r\ncd averyveryverylongword x", 8, width),
              (std::vector<std::string>{"ab", "", "cd", "averyveryverylongword", "x"}));
    EXPECT_EQ(forms::WrapText("", 8, width), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace qlr
