// installer.exe end to end under Wine: the exit button on the main window after start-up, and
// its question answered either way.
#include "StartupFixture.h"

namespace qlr::startup_tests {
namespace {

TEST_F(InstallerStartup, ExitAnsweredNoLeavesTheWindowAsItWas) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartInstaller();
    HWND window = ExpectProposal(playerDir_);
    // The user's own edits survive the question too.
    driver::SetControlText(window, ids::Text1, "D:\\Radio\\qlr111");
    driver::SetControlText(window, ids::Text2, "D:\\Lists\\main.m3u");

    driver::ClickButton(window, ids::Command2);
    Answer("QLR Installer", "Quit QLR Installer ?", IDNO, {IDYES, IDNO});

    EXPECT_TRUE(installer_.Running());
    EXPECT_EQ(driver::WaitForMainWindow(installer_, 1000), window);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(driver::ControlText(window, ids::Text1), "D:\\Radio\\qlr111");
    EXPECT_EQ(driver::ControlText(window, ids::Text2), "D:\\Lists\\main.m3u");
    EXPECT_EQ(driver::ControlText(window, ids::wnpdir), playerDir_);
    EXPECT_EQ(driver::ControlText(window, ids::instfrom), kitDir_);
}

TEST_F(InstallerStartup, ExitAnsweredYesEndsTheProgram) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartInstaller();
    HWND window = ExpectProposal(playerDir_);
    driver::ClickButton(window, ids::Command2);
    Answer("QLR Installer", "Quit QLR Installer ?", IDYES, {IDYES, IDNO});
    ExpectEndedNormally(installer_);
}

}  // namespace
}  // namespace qlr::startup_tests
