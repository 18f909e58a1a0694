// installer.exe's start-up end to end under Wine: the player's directory found from its registry
// command, the install directory proposed below it, and every way of not finding it.
#include "StartupFixture.h"
#include "remover/RemoverIds.h"

namespace qlr::startup_tests {
namespace {

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

const std::string kRemover = driver::HostPath(QLR_REMOVER_EXE);
// Where a current player records its directory.
const char kRecordedKey[] = "HKCU\\Software\\Winamp";

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

}  // namespace
}  // namespace qlr::startup_tests
