#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/Controls.h"

namespace qlr {
namespace {

struct CountingView : forms::ControlView {
    void Refresh(const forms::Control&, forms::Change) override { ++refreshes; }
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

TEST(Forms, AnEventThatThrowsStillEndsItsRun) {
    forms::Button button("Command1", 1, {}, "&Go");
    std::vector<int> depths;
    bool fail = true;
    button.onClick = [&] {
        depths.push_back(button.EventDepth());
        if (fail) throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(button.Click(), std::runtime_error);
    fail = false;
    button.Click();  // the window layer abandoned the first run: the next one is not nested in it
    EXPECT_EQ(depths, (std::vector<int>{1, 1}));
    EXPECT_EQ(button.EventDepth(), 0);
}

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
