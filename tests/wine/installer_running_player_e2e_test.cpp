// installer.exe's start-up end to end under Wine with a player running: the question, a player
// that closes, stays open, hangs or is only titled like one, and the order of question and
// registry read.
#include "StartupFixture.h"

namespace qlr::startup_tests {
namespace {

const std::string kCloseRequest = "WM_CLOSE 0x0010 0 0";

TEST_F(InstallerStartup, RunningPlayerAnswerNoEndsWithoutClosingThePlayer) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartPlayer();
    StartInstaller();
    AnswerRunningQuestion(IDNO);
    ExpectEndedNormally(installer_);
    EXPECT_TRUE(PlayerRecord().empty());
    EXPECT_TRUE(player_.Running());
}

TEST_F(InstallerStartup, RunningPlayerAnswerYesClosesThePlayerBeforeTheWindowShows) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartPlayer();
    StartInstaller();
    AnswerRunningQuestion(IDYES);
    HWND window = driver::WaitForMainWindow(installer_);
    // The request is sent synchronously: the player has recorded it before the window shows.
    EXPECT_EQ(PlayerRecord(), std::vector<std::string>{kCloseRequest});
    ExpectProposal(playerDir_);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(player_.ExpectExit(), 0u);
}

TEST_F(InstallerStartup, PlayerThatStaysOpenIsAskedToCloseOnceAndStartUpGoesOn) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartPlayer("--keep-open");
    StartInstaller();
    AnswerRunningQuestion(IDYES);
    ExpectProposal(playerDir_);
    EXPECT_EQ(PlayerRecord(), std::vector<std::string>{kCloseRequest});
    EXPECT_TRUE(player_.Running());
}

// A player that stopped responding must not keep the installer from starting. Windows (and Wine)
// call a program hung once it has not looked for messages for 5 seconds.
TEST_F(InstallerStartup, LongHungPlayerIsGivenUpOnAtOnce) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartPlayer("--hang");
    HWND player = FindWindowA("Winamp v1.x", nullptr);
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (!IsHungAppWindow(player)) {
        ASSERT_LT(GetTickCount64(), deadline) << "the stand-in player never counted as hung";
        Sleep(100);
    }
    StartInstaller();
    AnswerRunningQuestion(IDYES);
    ExpectProposal(playerDir_, 3000);
    EXPECT_TRUE(PlayerRecord().empty());
}

TEST_F(InstallerStartup, FreshlyHungPlayerHoldsUpStartUpForABoundedTime) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartPlayer("--hang");
    StartInstaller();
    AnswerRunningQuestion(IDYES);
    // Not yet hung when asked: the installer waits for the answer, but not for ever.
    ExpectProposal(playerDir_, 20000);
    EXPECT_TRUE(PlayerRecord().empty());
}

TEST_F(InstallerStartup, WindowTitledLikeThePlayerIsNotTakenForIt) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartPlayer("--decoy");
    StartInstaller();
    ExpectProposal(playerDir_);
    EXPECT_TRUE(PlayerRecord().empty());
    EXPECT_TRUE(player_.Running());
}

TEST_F(InstallerStartup, RunningPlayerIsClosedBeforeTheRegistryIsRead) {
    // No command registered: the question still comes first, then the failed detection.
    StartPlayer();
    StartInstaller();
    AnswerRunningQuestion(IDYES);
    driver::WaitForMessageBox(installer_);
    EXPECT_EQ(PlayerRecord(), std::vector<std::string>{kCloseRequest});
    AcknowledgeNotDetected();
    ExpectEndedNormally(installer_);
}

}  // namespace
}  // namespace qlr::startup_tests
