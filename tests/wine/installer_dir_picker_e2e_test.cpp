// installer.exe end to end under Wine: the install directory picker, opened with "&Browse" and
// driven with the mouse and keyboard the way a user drives it.
#include "PickerFixture.h"


namespace qlr::picker_tests {
namespace {

namespace dir = qlr::dir_ids;

const std::string kLabelPrefix = "Selected Winamp Directory Is : ";
const char kDriveUnavailable[] = "Drive Unavailable ! If This Is A Removable Drive Please Insert A Disk !";

class DirPicker : public PickerTest {
protected:
    HWND OpenAndExpectAt(const std::string& directory) {
        HWND picker = OpenDir();
        ExpectAt(picker, directory);
        return picker;
    }
    void ExpectAt(HWND picker, const std::string& directory) {
        EXPECT_EQ(driver::ControlText(picker, dir::Label1), kLabelPrefix + directory);
        const std::vector<std::string> entries = driver::ListItems(picker, dir::Dir1);
        const size_t chain = DirEntries(directory, {}).size();
        ASSERT_GE(entries.size(), chain);
        EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + long(chain)),
                  DirEntries(directory, {}));
        EXPECT_EQ(driver::ListCurrent(picker, dir::Dir1), int(chain) - 1) << "the current directory is highlighted";
    }
    void WaitForLabel(HWND picker, const std::string& directory) {
        driver::WaitUntil(
            [&](std::string& seen) {
                seen = driver::ControlText(picker, dir::Label1);
                return seen == kLabelPrefix + directory;
            },
            "the label to name " + directory);
    }
};

TEST_F(DirPicker, OpensModalOverTheMainWindowAtThePlayersDirectory) {
    HWND picker = OpenDir();
    EXPECT_EQ(driver::ListItems(picker, dir::Dir1), DirEntries(playerDir_, {"lists.m3u", "plugins", "Skins"}));
    ExpectAt(picker, playerDir_);
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes no input while the picker is open";
    EXPECT_EQ(GetWindow(picker, GW_OWNER), main_);
    EXPECT_NE(GetWindowLongA(picker, GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "no caption";
    EXPECT_FALSE(GetWindowLongA(picker, GWL_EXSTYLE) & WS_EX_APPWINDOW) << "not in the taskbar";
    EXPECT_EQ(driver::FocusOf(picker), driver::Control(picker, dir::Drive1));
    EXPECT_EQ(driver::ListCurrentText(picker, dir::Drive1).substr(0, 2), "c:");

    RECT client{}, window{};
    GetClientRect(picker, &client);
    EXPECT_EQ(client.right, 389);
    EXPECT_EQ(client.bottom, 317);
    // Centred on the screen.
    GetWindowRect(picker, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(picker, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(window.left + window.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(window.top + window.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    // Tab order: the drive chooser, the directory list, "&OK", "&Cancel"; the label takes none.
    std::vector<HWND> order = {driver::Control(picker, dir::Drive1)};
    for (int i = 0; i < 4; ++i) order.push_back(GetNextDlgTabItem(picker, order.back(), FALSE));
    EXPECT_EQ(order, (std::vector<HWND>{driver::Control(picker, dir::Drive1), driver::Control(picker, dir::Dir1),
                                        driver::Control(picker, dir::Command1), driver::Control(picker, dir::Command2),
                                        driver::Control(picker, dir::Drive1)}));
}

TEST_F(DirPicker, DoubleClickEntersAHighlightAloneDoesNotAndOkWritesTheResult) {
    HWND picker = OpenDir();
    driver::DoubleClickListItem(picker, dir::Dir1, driver::ListIndexOf(picker, dir::Dir1, "Skins"));
    WaitForLabel(picker, playerDir_ + "\\Skins");
    ExpectAt(picker, playerDir_ + "\\Skins");
    // Up to the parent again, then only highlight "plugins".
    driver::DoubleClickListItem(picker, dir::Dir1, driver::ListIndexOf(picker, dir::Dir1, "Winamp"));
    WaitForLabel(picker, playerDir_);
    const int plugins = driver::ListIndexOf(picker, dir::Dir1, "plugins");
    driver::ClickListItem(picker, dir::Dir1, plugins);
    driver::WaitUntil([&] { return driver::ListCurrent(picker, dir::Dir1) == plugins; }, "the highlight on plugins");
    EXPECT_EQ(driver::ControlText(picker, dir::Label1), kLabelPrefix + playerDir_);

    driver::ClickButton(picker, dir::Command1);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), playerDir_) << "no \\qlr111 appended";
    ExpectMainWindowBack(ids::Command4);
}

TEST_F(DirPicker, AtADrivesRootTheResultEndsInABackslash) {
    HWND picker = OpenDir();
    driver::DoubleClickListItem(picker, dir::Dir1, 0);
    WaitForLabel(picker, "C:\\");
    driver::ClickButton(picker, dir::Command1);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), "C:\\");
}

TEST_F(DirPicker, ArrowsMoveTheHighlightEnterInTheListEntersCloseRequestIgnoredEscCancels) {
    HWND picker = OpenDir();
    const int plugins = driver::ListIndexOf(picker, dir::Dir1, "plugins");
    driver::ClickListItem(picker, dir::Dir1, plugins);
    driver::WaitUntil([&] { return driver::FocusOf(picker) == driver::Control(picker, dir::Dir1); },
                      "the focus in the directory list");
    driver::PressKey(picker, VK_DOWN);
    driver::WaitUntil(
        [&](std::string& seen) {
            seen = driver::ListCurrentText(picker, dir::Dir1);
            return seen == "Skins";
        },
        "the highlight on Skins");
    EXPECT_EQ(driver::ControlText(picker, dir::Label1), kLabelPrefix + playerDir_);
    driver::PressKey(picker, VK_RETURN);
    WaitForLabel(picker, playerDir_ + "\\Skins");
    EXPECT_TRUE(IsWindowVisible(picker)) << "Enter in the list enters the directory, it does not press OK";

    // A close request (Alt+F4) is ignored: only the picker's own buttons close it.
    PostMessageA(picker, WM_CLOSE, 0, 0);
    Sleep(200);
    ASSERT_TRUE(IsWindowVisible(picker));
    driver::PressKey(picker, VK_ESCAPE);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), playerDir_ + "\\qlr111");
    ExpectMainWindowBack(ids::Command4);
}

TEST_F(DirPicker, EnterOutsideTheListPressesOk) {
    HWND picker = OpenDir();
    driver::PressKey(picker, VK_RETURN);  // the focus is on the drive chooser
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), playerDir_);
}

TEST_F(DirPicker, CancelWithNotFoundEndsTheInstallerOtherTextsOnlyClose) {
    driver::SetControlText(main_, ids::Text1, "not found");
    HWND picker = OpenDir();
    driver::ClickButton(picker, dir::Command2);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), "not found");

    driver::SetControlText(main_, ids::Text1, "Not Found");
    picker = OpenDir();
    driver::ClickButton(picker, dir::Command2);
    EXPECT_EQ(installer_.ExpectExit(), 0u) << "the installer ends at once";
}

TEST_F(DirPicker, ADriveWithoutAMediumShowsOneBoxThenDriveC) {
    // D: is a CD-ROM drive without a disc in the test prefix.
    HWND picker = OpenDir();
    ASSERT_EQ(driver::ListItems(picker, dir::Drive1).at(1).substr(0, 2), "d:");
    driver::PressKey(picker, VK_DOWN);  // the drive chooser has the focus: from c: to d:
    AcknowledgeBox(picker, "Drive Unavailable", kDriveUnavailable);
    WaitForLabel(picker, kitDir_);  // drive C's current directory: where the installer started
    EXPECT_EQ(driver::ListCurrentText(picker, dir::Drive1).substr(0, 2), "c:");
    ExpectAt(picker, kitDir_);
    Sleep(300);
    EXPECT_EQ(driver::VisibleTopLevelWindows(installer_.Id()).size(), 2u) << "one box, not a second";
    EXPECT_TRUE(IsWindowEnabled(picker));
    EXPECT_EQ(driver::FocusOf(picker), driver::Control(picker, dir::Drive1)) << "the focus back after the box";
    driver::ClickButton(picker, dir::Command2);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), playerDir_ + "\\qlr111");
}

TEST_F(DirPicker, EveryOpeningStartsAfreshAndTwentyLeaveNothingBehind) {
    auto openNavigateCancel = [&] {
        HWND picker = OpenAndExpectAt(playerDir_);
        driver::DoubleClickListItem(picker, dir::Dir1, driver::ListIndexOf(picker, dir::Dir1, "plugins"));
        WaitForLabel(picker, playerDir_ + "\\plugins");
        driver::PressKey(picker, VK_ESCAPE);
        WaitClosed(picker);
        ExpectMainWindowBack(ids::Command4);
    };
    ExpectTwentyOpeningsLeaveNothingBehind(openNavigateCancel);
    EXPECT_EQ(driver::ControlText(main_, ids::Text1), playerDir_ + "\\qlr111");
}

}  // namespace
}  // namespace qlr::picker_tests
