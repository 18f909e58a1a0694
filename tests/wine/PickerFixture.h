#pragma once
// What the pickers' end-to-end tests share: an installer started from a kit directory, with the
// player's registry command naming a player directory that holds playlists, other files, hidden
// and system files and subdirectories; and the steps of opening and closing a picker.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "driver/GuiObjects.h"
#include "driver/Keyboard.h"
#include "driver/Lists.h"
#include "driver/Wait.h"
#include "installer/ui/InstallerIds.h"

namespace qlr::picker_tests {

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

inline const char kPlayerProgId[] = "HKCR\\Winamp.SkinZip";
inline const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";

// Makes an empty file with the given attributes.
inline void MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw driver::DriverError("cannot make " + path);
    CloseHandle(file);
}

// The directory list's entries for a directory: the chain from "c:\" down to it, then the
// subdirectories.
inline std::vector<std::string> DirEntries(const std::string& path, std::vector<std::string> subdirectories) {
    std::vector<std::string> entries = {std::string(1, char(tolower(path[0]))) + ":\\"};
    for (size_t start = 3; start < path.size();) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        entries.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    entries.insert(entries.end(), subdirectories.begin(), subdirectories.end());
    return entries;
}

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver::RegDeleteKey(kPlayerProgId);
        driver::CopyFileOrThrow(driver::HostPath(QLR_INSTALLER_EXE), kitDir_ + "\\installer.exe");
        root_.MakeSubdirectory("Program Files\\Winamp\\plugins");
        root_.MakeSubdirectory("Program Files\\Winamp\\Skins");
        root_.MakeSubdirectory("Program Files\\Winamp\\lists.m3u");  // a directory, never a file
        for (const char* name : {"Main.M3U", "b.pls", "c.txt"}) MakeFile(playerDir_ + "\\" + name);
        MakeFile(playerDir_ + "\\hidden.m3u", FILE_ATTRIBUTE_HIDDEN);
        MakeFile(playerDir_ + "\\system.pls", FILE_ATTRIBUTE_SYSTEM);
        driver::RegSetValue(kCommandKey, "", "\"" + playerDir_ + "\\winamp.exe\" \"%1\"");
        installer_ = driver::Process::Start(kitDir_ + "\\installer.exe", {}, kitDir_);
        main_ = driver::WaitForMainWindow(installer_);
    }
    void TearDown() override {
        installer_.Kill();
        driver::RegDeleteKey(kPlayerProgId);
    }

    // Clicks a browse button of the main window and waits for its picker, ready for keys: active,
    // with the focus on one of its controls. It shows before that: a key posted to the focus then
    // went to the main window's browse button and was lost (measured under load).
    HWND OpenPicker(int browseButton, const std::string& title) {
        driver::ClickButton(main_, browseButton);
        HWND picker = driver::WaitForWindow(
            installer_, [&](HWND w) { return driver::Title(w) == title; }, "picker \"" + title + "\"");
        driver::WaitUntil(
            [&](std::string& seen) {
                HWND focus = driver::FocusOf(picker);
                seen = "the focus on " + (focus ? driver::ClassName(focus) + " " + std::to_string(GetDlgCtrlID(focus)) : "nothing") +
                       (driver::ActiveOf(picker) == picker ? "" : ", another window active");
                return driver::ActiveOf(picker) == picker && IsChild(picker, focus);
            },
            "picker \"" + title + "\" active with the focus on one of its controls");
        return picker;
    }
    HWND OpenDir() { return OpenPicker(ids::Command4, dir_ids::kTitle); }
    HWND OpenFil() { return OpenPicker(ids::Command3, fil_ids::kTitle); }
    // Waits until the picker's window is destroyed, not only hidden.
    void WaitClosed(HWND picker) {
        driver::WaitUntil([&] { return !IsWindow(picker); }, "the picker's window to be destroyed");
    }

    // Back from a picker: the main window takes input again, is active, and its focus is where it
    // was before (on the browse button that opened the picker).
    void ExpectMainWindowBack(int browseButton) {
        HWND button = driver::Control(main_, browseButton);
        driver::WaitUntil(
            [&] {
                return IsWindowEnabled(main_) && driver::ActiveOf(main_) == main_ &&
                       driver::FocusOf(main_) == button;
            },
            "the main window active again, with the focus on the browse button");
    }
    // Twenty runs of one opening leave the installer with the GDI objects and windows it had after
    // the first.
    void ExpectTwentyOpeningsLeaveNothingBehind(const std::function<void()>& openOnce) {
        openOnce();
        const driver::GuiObjectCounts afterOne = driver::CountGuiObjects(installer_.Id());
        for (int i = 1; i < 20; ++i) openOnce();
        const driver::GuiObjectCounts afterTwenty = driver::CountGuiObjects(installer_.Id());
        EXPECT_GT(afterOne.gdi, 0);  // the table was found and read
        EXPECT_EQ(afterTwenty.gdi, afterOne.gdi);
        EXPECT_EQ(afterTwenty.windows, afterOne.windows);
    }
    // Waits for the picker's message box, checks it and presses its OK.
    void AcknowledgeBox(HWND picker, const std::string& title, const std::string& text) {
        HWND box = driver::WaitForMessageBox(installer_);
        driver::MessageBoxContent content = driver::ReadMessageBox(box);
        EXPECT_EQ(content.title, title);
        EXPECT_EQ(content.text, text);
        EXPECT_EQ(content.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(GetWindow(box, GW_OWNER), picker) << "the box is modal over the picker";
        driver::ClickButton(box, IDOK);
        driver::WaitUntilGone(box, "message box \"" + title + "\"");
    }

    driver::TempDirectory root_{"qlr-pick"};
    const std::string kitDir_ = root_.MakeSubdirectory("Kit");
    const std::string playerDir_ = root_.Path() + "\\Program Files\\Winamp";
    driver::Process installer_;
    HWND main_ = nullptr;
};

}  // namespace qlr::picker_tests
