// installer.exe end to end under Wine: its start-up and its exit button, driven the way a user
// drives them. Each test copies the installer into a kit directory of its own and starts it from
// there; the player's registry command is set up with reg.exe, and a running player is the
// stand-in fakeamp.exe, which records every close request it gets.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "installer/ui/InstallerIds.h"
#include "remover/RemoverIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

namespace {

const std::string kInstaller = driver::HostPath(QLR_INSTALLER_EXE);
const std::string kFakePlayer = driver::HostPath(QLR_FAKEAMP_EXE);
const std::string kRemover = driver::HostPath(QLR_REMOVER_EXE);

const char kPlayerProgId[] = "HKCR\\Winamp.SkinZip";
const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";
// Where a current player records its directory.
const char kRecordedKey[] = "HKCU\\Software\\Winamp";

const char kRunningQuestion[] =
    "Winamp Was Found Running And Needs To Be Closed To Install QLR. Close Winamp Now ?";
const char kNotDetected[] =
    "Winamp Directory Could Not Be Detected. Do You Have Winamp Installed ? If You Do, Please "
    "Install A Newer Version ! (Try Versions Above 1.7)";
const std::string kCloseRequest = "WM_CLOSE 0x0010 0 0";

// Exit codes from 0x80000000 up are exceptions (0xC0000005 and the like), not a program's end.
void ExpectEndedNormally(const driver::Process& process) {
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

// ---- detection from the player's registry command

TEST_F(InstallerStartup, ProposesAnInstallDirectoryBelowThePlayersDirectory) {
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartInstaller();
    ExpectProposal(playerDir_);
}

TEST_F(InstallerStartup, TakesTheCurrentDirectoryAsSourceNotTheProgramsDirectory) {
    // Started from a drive root, which keeps its backslash.
    RegisterPlayerCommand(PlayerCommand(playerDir_));
    StartInstaller("C:\\");
    ExpectProposal(playerDir_, driver::kWaitMs, "C:\\");
}

// The directory is taken from the program path the value names: the quoted text, or else the
// text up to ".exe". A value that names no program path is cut by position: drop the last 17
// characters, then the first.
struct CutCase {
    const char* name;
    std::string value;
    const char* type;
    std::string directory;
};

class InstallerCut : public InstallerStartup, public ::testing::WithParamInterface<CutCase> {};

TEST_P(InstallerCut, TakesThePlayerDirectoryOutOfTheValue) {
    RegisterPlayerCommand(GetParam().value, GetParam().type);
    StartInstaller();
    ExpectProposal(GetParam().directory);
}

// The longest value that fits the 2048-byte read buffer with its terminating zero.
const std::string kLongDirectory = "C:\\" + std::string(2047 - 18 - 3, 'd');

INSTANTIATE_TEST_SUITE_P(
    Values, InstallerCut,
    ::testing::Values(
        CutCase{"UsualPlayerLocation", "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"",
                "REG_SZ", "C:\\Program Files\\Winamp"},
        CutCase{"ExpandStringTakenLiterally", "\"%SystemRoot%\\Winamp\\winamp.exe\" \"%1\"",
                "REG_EXPAND_SZ", "%SystemRoot%\\Winamp"},
        CutCase{"UnquotedProgramPath", "C:\\Program Files\\Winamp\\winamp.exe \"%1\"", "REG_SZ",
                "C:\\Program Files\\Winamp"},
        CutCase{"QuotedProgramWithAnotherName", "\"C:\\Apps\\Winamp\\winamp3.exe\" /add \"%1\"",
                "REG_SZ", "C:\\Apps\\Winamp"},
        CutCase{"NoProgramPathIsCutByPosition", "winamp.exe \"%1\" -- playlist", "REG_SZ",
                "inamp.exe"},
        CutCase{"EighteenCharactersGiveAnEmptyDirectory", "\"\\winamp.exe\" \"%1\"", "REG_SZ",
                ""},
        CutCase{"LongestValueThatFitsTheBuffer", "\"" + kLongDirectory + "\\winamp.exe\" \"%1\"",
                "REG_SZ", kLongDirectory}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return info.param.name; });

// Every way of not finding a usable command ends in the same message and the end of the program,
// before the window is ever shown.
enum class Registration { None, KeyWithoutDefaultValue, Value };
struct UndetectedCase {
    const char* name;
    Registration registration;
    std::string value;
};

class InstallerUndetected : public InstallerStartup,
                            public ::testing::WithParamInterface<UndetectedCase> {};

TEST_P(InstallerUndetected, ReportsThatThePlayerWasNotDetectedAndEnds) {
    switch (GetParam().registration) {
    case Registration::None:
        break;
    case Registration::KeyWithoutDefaultValue:
        driver::RegSetValue(kCommandKey, "Other", PlayerCommand(playerDir_));
        break;
    case Registration::Value:
        RegisterPlayerCommand(GetParam().value);
        break;
    }
    StartInstaller();
    HWND box = driver::WaitForMessageBox(installer_);
    EXPECT_EQ(driver::VisibleTopLevelWindows(installer_.Id()), std::vector<HWND>{box})
        << "the main window shows before start-up has ended";
    AcknowledgeNotDetected();
    ExpectEndedNormally(installer_);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, InstallerUndetected,
    ::testing::Values(
        UndetectedCase{"KeyAbsent", Registration::None, ""},
        UndetectedCase{"DefaultValueMissing", Registration::KeyWithoutDefaultValue, ""},
        // No program path, and shorter than 18 characters: the positional cut is impossible.
        UndetectedCase{"SeventeenCharacters", Registration::Value, "winamp.exe \"%1\" x"},
        UndetectedCase{"EmptyValue", Registration::Value, ""},
        // With its terminating zero the data is one byte larger than the read buffer.
        UndetectedCase{"LargerThanTheReadBuffer", Registration::Value,
                       "\"" + kLongDirectory + "x\\winamp.exe\" \"%1\""}),
    [](const ::testing::TestParamInfo<UndetectedCase>& info) { return info.param.name; });

// ---- a current player, found where it records its directory (its command is registered only
// while skins are associated with it)

TEST_F(InstallerStartup, PlayerRecordedOnlyForTheUserIsFoundByInstallerAndRemover) {
    struct Recorded {  // the prefix's registry is shared: the value goes again, whatever happens
        explicit Recorded(const std::string& directory) { driver::RegSetValue(kRecordedKey, "", directory); }
        ~Recorded() { driver::RegDeleteKey(kRecordedKey); }
    } recorded(playerDir_);
    CloseHandle(CreateFileA((playerDir_ + "\\winamp.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    StartInstaller();
    ExpectProposal(playerDir_);

    const std::string installDir = root_.MakeSubdirectory("Program Files\\Winamp\\qlr111");
    driver::CopyFileOrThrow(kRemover, installDir + "\\qlr_remover.exe");
    driver::Process remover = driver::Process::Start(installDir + "\\qlr_remover.exe", {}, installDir);
    HWND window = driver::WaitForMainWindow(remover);
    EXPECT_EQ(driver::ControlText(window, qlr::remover_ids::Label2), "Found Winamp In : " + playerDir_);
}

// ---- a running player

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

// ---- the exit button

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
