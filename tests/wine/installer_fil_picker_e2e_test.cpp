// installer.exe end to end under Wine: the default playlist picker, opened with "B&rowse": its
// file list, the pattern box re-filtering at every keystroke, the path box and its 8-character
// limit.
#include "PickerFixture.h"


namespace qlr::picker_tests {
namespace {

namespace fil = qlr::fil_ids;

const char kNoDefaultList[] =
    "You Must Specify A Default Playlist Or \"Quillora\" Will Not Work. If You Don't Have A Default "
    "List Yet Quit This Installer, Create One And Try Again.";

using Names = std::vector<std::string>;

class FilPicker : public PickerTest {
protected:
    void TearDown() override {
        PickerTest::TearDown();
        for (const char* name : {"C:\\q.m3u", "C:\\q.m3"}) DeleteFileA(name);
    }
    void WaitForFiles(HWND picker, const Names& files) {
        driver::WaitUntil([&] { return driver::ListItems(picker, fil::File1) == files; }, "the file list to change");
    }
    void ClickFile(HWND picker, const std::string& name) {
        driver::ClickListItem(picker, fil::File1, driver::ListIndexOf(picker, fil::File1, name));
    }
    void WaitForPathBox(HWND picker, const std::string& path) {
        driver::WaitUntil([&] { return driver::ControlText(picker, fil::Text1) == path; }, "the path box to read " + path);
    }
};

TEST_F(FilPicker, OpensOverTheMainWindowListingThePlayersPlaylists) {
    HWND picker = OpenFil();
    EXPECT_EQ(driver::ListItems(picker, fil::File1), (Names{"b.pls", "Main.M3U"}))
        << "ordinary files only: no directory, no hidden or system file";
    EXPECT_EQ(driver::ControlText(picker, fil::Text2), "*.m3u; *.pls");
    EXPECT_EQ(driver::ControlText(picker, fil::Text1), "");
    EXPECT_TRUE(GetWindowLongA(driver::Control(picker, fil::Text1), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(driver::ListItems(picker, fil::Dir1), DirEntries(playerDir_, {"lists.m3u", "plugins", "Skins"}));
    EXPECT_FALSE(IsWindowEnabled(main_));
    EXPECT_EQ(GetWindow(picker, GW_OWNER), main_);
    EXPECT_EQ(driver::FocusOf(picker), driver::Control(picker, fil::Drive1));

    RECT client{}, window{}, owner{};
    GetClientRect(picker, &client);
    EXPECT_EQ(client.right, 570);
    EXPECT_EQ(client.bottom, 256);
    GetWindowRect(picker, &window);
    GetWindowRect(main_, &owner);
    EXPECT_NEAR(window.left + window.right, owner.left + owner.right, 1) << "centred over the main window";
    EXPECT_NEAR(window.top + window.bottom, owner.top + owner.bottom, 1);

    std::vector<HWND> order = {driver::Control(picker, fil::Drive1)};
    for (int i = 0; i < 7; ++i) order.push_back(GetNextDlgTabItem(picker, order.back(), FALSE));
    std::vector<HWND> expected;
    for (int id : {fil::Drive1, fil::Dir1, fil::File1, fil::Text1, fil::Command1, fil::Command2, fil::Text2, fil::Drive1})
        expected.push_back(driver::Control(picker, id));
    EXPECT_EQ(order, expected);
}

TEST_F(FilPicker, AClickFillsThePathBoxAndOkWritesIt) {
    HWND picker = OpenFil();
    ClickFile(picker, "Main.M3U");
    WaitForPathBox(picker, playerDir_ + "\\Main.M3U");
    // Another directory leaves the path box as it is; OK writes the file chosen last.
    driver::DoubleClickListItem(picker, fil::Dir1, driver::ListIndexOf(picker, fil::Dir1, "Skins"));
    WaitForFiles(picker, {});
    EXPECT_EQ(driver::ControlText(picker, fil::Text1), playerDir_ + "\\Main.M3U");
    driver::ClickButton(picker, fil::Command1);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text2), playerDir_ + "\\Main.M3U");
    ExpectMainWindowBack(ids::Command3);
}

TEST_F(FilPicker, ADoubleClickOnAFileWritesItAndCloses) {
    HWND picker = OpenFil();
    driver::DoubleClickListItem(picker, fil::File1, driver::ListIndexOf(picker, fil::File1, "b.pls"));
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text2), playerDir_ + "\\b.pls");
}

TEST_F(FilPicker, EveryKeystrokeInThePatternBoxRefilters) {
    HWND picker = OpenFil();
    HWND patterns = driver::Control(picker, fil::Text2);
    driver::SetControlText(picker, fil::Text2, "");
    WaitForFiles(picker, {});  // no pattern, no file
    driver::TypeText(patterns, "*");
    WaitForFiles(picker, {"b.pls", "c.txt", "Main.M3U"});
    driver::TypeText(patterns, ".");
    WaitForFiles(picker, {});
    driver::TypeText(patterns, "TXT");
    WaitForFiles(picker, {"c.txt"});
    EXPECT_EQ(driver::ControlText(picker, fil::Text2), "*.TXT");
    // A file made meanwhile is there at the next keystroke.
    MakeFile(playerDir_ + "\\new.txt");
    driver::TypeText(patterns, "\b");
    WaitForFiles(picker, {});
    driver::TypeText(patterns, "t");
    WaitForFiles(picker, {"c.txt", "new.txt"});
    driver::SetControlText(picker, fil::Text2, " *.PLS ;main.m?u ");
    WaitForFiles(picker, {"b.pls", "Main.M3U"});
    driver::PressKey(picker, VK_ESCAPE);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text2), "");
}

TEST_F(FilPicker, OkRefusesAPathOfSevenCharactersAndTakesOneOfEight) {
    MakeFile("C:\\q.m3u");
    MakeFile("C:\\q.m3");
    HWND picker = OpenFil();
    driver::ClickButton(picker, fil::Command1);  // nothing chosen yet
    AcknowledgeBox(picker, "No Default List", kNoDefaultList);
    EXPECT_TRUE(IsWindowVisible(picker));

    driver::DoubleClickListItem(picker, fil::Dir1, 0);  // the root of C:
    driver::SetControlText(picker, fil::Text2, "q.*");
    WaitForFiles(picker, {"q.m3", "q.m3u"});
    ClickFile(picker, "q.m3");
    WaitForPathBox(picker, "C:\\q.m3");
    driver::ClickButton(picker, fil::Command1);
    AcknowledgeBox(picker, "No Default List", kNoDefaultList);
    EXPECT_EQ(driver::ControlText(main_, ids::Text2), "");

    ClickFile(picker, "q.m3u");
    WaitForPathBox(picker, "C:\\q.m3u");
    driver::ClickButton(picker, fil::Command1);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text2), "C:\\q.m3u");
}

TEST_F(FilPicker, CancelWritesNothingAndTheNextOpeningStartsAfresh) {
    HWND picker = OpenFil();
    driver::SetControlText(picker, fil::Text2, "*.*");
    ClickFile(picker, "c.txt");
    WaitForPathBox(picker, playerDir_ + "\\c.txt");
    driver::ClickButton(picker, fil::Command2);
    WaitClosed(picker);
    EXPECT_EQ(driver::ControlText(main_, ids::Text2), "");
    ExpectMainWindowBack(ids::Command3);

    picker = OpenFil();
    EXPECT_EQ(driver::ControlText(picker, fil::Text1), "");
    EXPECT_EQ(driver::ControlText(picker, fil::Text2), "*.m3u; *.pls");
    EXPECT_EQ(driver::ListItems(picker, fil::File1), (Names{"b.pls", "Main.M3U"}));
}

TEST_F(FilPicker, TwentyOpeningsLeaveNothingBehind) {
    auto openChooseCancel = [&] {
        HWND picker = OpenFil();
        ClickFile(picker, "b.pls");
        WaitForPathBox(picker, playerDir_ + "\\b.pls");
        driver::PressKey(picker, VK_ESCAPE);
        WaitClosed(picker);
        ExpectMainWindowBack(ids::Command3);
    };
    ExpectTwentyOpeningsLeaveNothingBehind(openChooseCancel);
}

}  // namespace
}  // namespace qlr::picker_tests
