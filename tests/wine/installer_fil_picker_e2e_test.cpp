// installer.exe end to end under Wine: the default playlist picker, opened with "B&rowse": its
// file list, the pattern box re-filtering at every keystroke, the path box and its 8-character
// limit, names the ANSI code page cannot write.
#include "PickerFixture.h"

namespace qlr::picker_tests {
namespace {

namespace fil = qlr::fil_ids;

const char kNoDefaultList[] =
    "You Must Specify A Default Playlist Or \"Quillora\" Will Not Work. If You Don't Have A Default "
    "List Yet Quit This Installer, Create One And Try Again.";

using Names = std::vector<std::string>;

// The text in the ANSI code page, and whether the code page writes every character of it exactly.
std::string Ansi(const std::wstring& wide, bool* fits = nullptr) {
    const bool utf8 = GetACP() == CP_UTF8;  // writes every character, and reports none lacking
    BOOL lacking = FALSE;
    std::string text(4 * wide.size() + 1, '\0');
    text.resize(size_t(WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide.c_str(), int(wide.size()),
                                           text.data(), int(text.size()), nullptr, utf8 ? nullptr : &lacking)));
    if (fits) *fits = !lacking;
    return text;
}

// A playlist name in a script the ANSI code page lacks, which depends on the locale Wine starts
// in: Cyrillic on a Western system, else Greek or Japanese; Cyrillic where the code page writes
// them all (UTF-8).
std::wstring PlaylistNameOutsideTheCodePage() {
    const wchar_t* const names[] = {L"\u041f\u043b\u0435\u0439\u043b\u0438\u0441\u0442.m3u",
                                    L"\u039b\u03af\u03c3\u03c4\u03b1.m3u", L"\u30ea\u30b9\u30c8.m3u"};
    for (const wchar_t* name : names) {
        bool fits = true;
        Ansi(name, &fits);
        if (!fits) return name;
    }
    return names[0];
}

class FilPicker : public PickerTest {
protected:
    void TearDown() override {
        PickerTest::TearDown();
        for (const char* name : {"C:\\q.m3u", "C:\\q.m3"}) DeleteFileA(name);
    }
    void WaitForFiles(HWND picker, const Names& files) {
        driver::WaitUntil(
            [&](std::string& seen) {
                const Names now = driver::ListItems(picker, fil::File1);
                seen = driver::QuotedItems(now);
                return now == files;
            },
            "the file list to show " + driver::QuotedItems(files));
    }
    void ClickFile(HWND picker, const std::string& name) {
        driver::ClickListItem(picker, fil::File1, driver::ListIndexOf(picker, fil::File1, name));
    }
    void WaitForPathBox(HWND picker, const std::string& path) {
        driver::WaitUntil(
            [&](std::string& seen) {
                seen = driver::ControlText(picker, fil::Text1);
                return seen == path;
            },
            "the path box to read " + path);
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

// A playlist whose name the code page cannot write is listed, and chosen, by the short name the
// file system gives it, so that the path written opens it.
TEST_F(FilPicker, APlaylistNameTheCodePageCannotWriteIsChosenByItsShortName) {
    RecordProperty("AnsiCodePage", int(GetACP()));
    const std::wstring name = PlaylistNameOutsideTheCodePage();
    const std::wstring path = std::wstring(playerDir_.begin(), playerDir_.end()) + L"\\" + name;  // ASCII
    ASSERT_TRUE(CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)));
    wchar_t shortPath[MAX_PATH];
    ASSERT_GT(GetShortPathNameW(path.c_str(), shortPath, MAX_PATH), 0u);
    bool fits = false;
    std::string shown = Ansi(name, &fits);
    if (!fits) shown = Ansi(std::wstring(shortPath).substr(std::wstring(shortPath).rfind(L'\\') + 1));

    HWND picker = OpenFil();
    EXPECT_EQ(driver::ListItems(picker, fil::File1).size(), 3u);  // with b.pls and Main.M3U
    ClickFile(picker, shown);  // found by the name shown
    WaitForPathBox(picker, playerDir_ + "\\" + shown);
    driver::ClickButton(picker, fil::Command1);
    WaitClosed(picker);
    const std::string written = driver::ControlText(main_, ids::Text2);
    EXPECT_EQ(written, playerDir_ + "\\" + shown);
    EXPECT_NE(GetFileAttributesA(written.c_str()), INVALID_FILE_ATTRIBUTES) << written << " does not open";
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
