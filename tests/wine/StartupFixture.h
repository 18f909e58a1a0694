#pragma once
// What the installer's start-up tests share. Each test copies the installer into a kit directory
// of its own and starts it from there; the player's registry command is set up with reg.exe, and
// a running player is the stand-in fakeamp.exe, which records every close request it gets.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "installer/ui/InstallerIds.h"

namespace qlr::startup_tests {

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

inline const std::string kInstaller = driver::HostPath(QLR_INSTALLER_EXE);
inline const std::string kFakePlayer = driver::HostPath(QLR_FAKEAMP_EXE);

inline const char kPlayerProgId[] = "HKCR\\Winamp.SkinZip";
inline const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";

inline const char kRunningQuestion[] =
    "Winamp Was Found Running And Needs To Be Closed To Install QLR. Close Winamp Now ?";
inline const char kNotDetected[] =
    "Winamp Directory Could Not Be Detected. Do You Have Winamp Installed ? If You Do, Please "
    "Install A Newer Version ! (Try Versions Above 1.7)";

// Exit codes from 0x80000000 up are exceptions (0xC0000005 and the like), not a program's end.
inline void ExpectEndedNormally(const driver::Process& process) {
    const DWORD code = process.ExpectExit();
    EXPECT_LT(code, 0x80000000u) << "the program crashed with 0x" << std::hex << code;
}

class InstallerStartup : public ::testing::Test {
protected:
    void SetUp() override {
        driver::RegDeleteKey(kPlayerProgId);
        driver::CopyFileOrThrow(kInstaller, installerCopy_);
    }
    void TearDown() override {
        installer_.Kill();
        player_.Kill();
        driver::RegDeleteKey(kPlayerProgId);
    }

    // The command a player installed in `directory` registers: "<dir>\winamp.exe" "%1".
    static std::string PlayerCommand(const std::string& directory) {
        return "\"" + directory + "\\winamp.exe\" \"%1\"";
    }
    void RegisterPlayerCommand(const std::string& value, const std::string& type = "REG_SZ") {
        driver::RegSetValue(kCommandKey, "", value, type);
    }

    void StartPlayer(const std::string& mode = "") {
        std::vector<std::string> args = {record_};
        if (!mode.empty()) args.push_back(mode);
        player_ = driver::Process::Start(kFakePlayer, args, playerDir_);
        driver::WaitForMainWindow(player_);
    }
    std::vector<std::string> PlayerRecord() const { return driver::ReadLines(record_); }

    // Started the way a user starts it: from the kit directory.
    void StartInstaller(const std::string& currentDirectory = "") {
        installer_ = driver::Process::Start(installerCopy_, {},
                                            currentDirectory.empty() ? kitDir_ : currentDirectory);
    }

    // Waits for the installer's message box, checks it and answers it with `button`.
    void Answer(const std::string& title, const std::string& text, int button,
                std::vector<int> expectedButtons, DWORD timeoutMs = driver::kWaitMs) {
        HWND box = driver::WaitForMessageBox(installer_, timeoutMs);
        driver::MessageBoxContent content = driver::ReadMessageBox(box);
        EXPECT_EQ(content.title, title);
        EXPECT_EQ(content.text, text);
        EXPECT_EQ(content.buttons, expectedButtons);
        driver::ClickButton(box, button);
        driver::WaitUntilGone(box, "message box \"" + title + "\"");
    }
    void AnswerRunningQuestion(int button) {
        Answer("QLR Installer", kRunningQuestion, button, {IDYES, IDNO});
    }
    void AcknowledgeNotDetected() {
        Answer("Could Not Detect Winamp Dir", kNotDetected, IDOK, {IDOK});
    }

    // Waits for the main window and checks the values start-up left in it.
    HWND ExpectProposal(const std::string& playerDir, DWORD timeoutMs = driver::kWaitMs,
                        const std::string& sourceDir = "") {
        HWND window = driver::WaitForMainWindow(installer_, timeoutMs);
        EXPECT_EQ(driver::ControlText(window, ids::Text1), playerDir + "\\qlr111");
        EXPECT_EQ(driver::ControlText(window, ids::wnpdir), playerDir);
        EXPECT_EQ(driver::ControlText(window, ids::instfrom),
                  sourceDir.empty() ? kitDir_ : sourceDir);
        EXPECT_EQ(driver::ControlText(window, ids::Text2), "");
        EXPECT_FALSE(IsWindowVisible(driver::Control(window, ids::wnpdir)));
        EXPECT_FALSE(IsWindowVisible(driver::Control(window, ids::instfrom)));
        return window;
    }

    driver::TempDirectory root_{"qlr-e2e"};
    const std::string kitDir_ = root_.MakeSubdirectory("Kit Disk");
    const std::string playerDir_ = root_.MakeSubdirectory("Program Files\\Winamp");
    const std::string installerCopy_ = kitDir_ + "\\installer.exe";
    const std::string record_ = root_.Path() + "\\player-record.txt";
    driver::Process installer_;
    driver::Process player_;
};

}  // namespace qlr::startup_tests
