// The tools of the end-to-end tests checked on their own: the stand-in player in each of its
// modes, the registry fixtures, and the driver on a message box. The installer's tests rely on
// every one of these behaving exactly as described here. And the system they run on: a 64-bit
// Windows, on which the tests and the programs of a 32-bit build run as 32-bit programs do there.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "driver/Fixtures.h"

namespace driver = qlr::wine_driver;

namespace {

const std::string kFakePlayer = driver::HostPath(QLR_FAKEAMP_EXE);

class FakePlayer : public ::testing::Test {
protected:
    driver::Process Start(const std::string& mode = "") {
        std::vector<std::string> args = {record_};
        if (!mode.empty()) args.push_back(mode);
        return driver::Process::Start(kFakePlayer, args, dir_.Path());
    }
    // Sends WM_CLOSE as the installer does, but never blocks longer than `timeoutMs`.
    static bool SendClose(HWND window, WPARAM wParam, LPARAM lParam, UINT timeoutMs = 5000) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window, WM_CLOSE, wParam, lParam, SMTO_NORMAL, timeoutMs,
                                   &result) != 0;
    }

    driver::TempDirectory dir_{"qlr-harness"};
    std::string record_ = dir_.Path() + "\\record.txt";
};

TEST_F(FakePlayer, IsFoundByClassRecordsTheCloseRequestAndCloses) {
    driver::Process player = Start();
    HWND window = driver::WaitForMainWindow(player);
    EXPECT_EQ(driver::ClassName(window), "Winamp v1.x");
    EXPECT_EQ(FindWindowA("Winamp v1.x", nullptr), window);

    ASSERT_TRUE(SendClose(window, 0, 0));
    // The line is written before the send returns.
    EXPECT_EQ(driver::ReadLines(record_), std::vector<std::string>{"WM_CLOSE 0x0010 0 0"});
    EXPECT_EQ(player.ExpectExit(), 0u);
}

TEST_F(FakePlayer, KeepOpenModeRecordsEachRequestWithItsParameters) {
    driver::Process player = Start("--keep-open");
    HWND window = driver::WaitForMainWindow(player);
    ASSERT_TRUE(SendClose(window, 5, 7));
    ASSERT_TRUE(SendClose(window, 0, 0));
    EXPECT_EQ(driver::ReadLines(record_),
              (std::vector<std::string>{"WM_CLOSE 0x0010 5 7", "WM_CLOSE 0x0010 0 0"}));
    EXPECT_TRUE(player.Running());
}

TEST_F(FakePlayer, HangModeLeavesACloseRequestUnanswered) {
    driver::Process player = Start("--hang");
    HWND window = driver::WaitForMainWindow(player);
    EXPECT_EQ(FindWindowA("Winamp v1.x", nullptr), window);
    EXPECT_FALSE(SendClose(window, 0, 0, 500));
    EXPECT_TRUE(driver::ReadLines(record_).empty());
    EXPECT_TRUE(player.Running());
}

TEST_F(FakePlayer, StuckModeRecordsACloseRequestButNeverReturnsFromIt) {
    driver::Process player = Start("--stuck");
    HWND window = driver::WaitForMainWindow(player);
    EXPECT_FALSE(SendClose(window, 0, 0, 1000));
    EXPECT_EQ(driver::ReadLines(record_), std::vector<std::string>{"WM_CLOSE 0x0010 0 0"});
    EXPECT_EQ(FindWindowA("Winamp v1.x", nullptr), window);
    EXPECT_TRUE(player.Running());
}

TEST_F(FakePlayer, DecoyHasThePlayersNameInItsTitleButIsNotFoundByClass) {
    driver::Process decoy = Start("--decoy");
    HWND window = driver::WaitForMainWindow(decoy);
    EXPECT_NE(driver::Title(window).find("Winamp"), std::string::npos);
    EXPECT_EQ(FindWindowA("Winamp v1.x", nullptr), nullptr);
}

TEST_F(FakePlayer, DriverReadsAndAnswersAMessageBox) {
    // Without arguments the stand-in explains its usage in a message box and ends with code 2.
    driver::Process player = driver::Process::Start(kFakePlayer, {}, dir_.Path());
    HWND box = driver::WaitForMessageBox(player);
    driver::MessageBoxContent content = driver::ReadMessageBox(box);
    EXPECT_EQ(content.title, "fakeamp");
    EXPECT_EQ(content.text, "usage: fakeamp RECORD_FILE [--keep-open|--hang|--stuck|--decoy]");
    EXPECT_EQ(content.buttons, std::vector<int>{IDOK});
    driver::ClickButton(box, IDOK);
    EXPECT_EQ(player.ExpectExit(), 2u);
}

TEST_F(FakePlayer, WaitingForAWindowOfAnEndedProgramFailsAtOnce) {
    driver::Process player = Start();
    SendClose(driver::WaitForMainWindow(player), 0, 0);
    player.ExpectExit();
    const ULONGLONG start = GetTickCount64();
    EXPECT_THROW(driver::WaitForMessageBox(player, 5000), driver::DriverError);
    EXPECT_LT(GetTickCount64() - start, 1000u);
}

// ---- registry fixtures

const char kKey[] = "HKCR\\QlrHarness.Test\\shell\\open\\command";

struct Value {
    DWORD type = 0;
    std::string data;
};

// The value exactly as the registry stores it.
Value Query(const char* subKey, const char* name) {
    HKEY key = nullptr;
    Value value;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    char data[4096];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) ==
        ERROR_SUCCESS)
        value.data.assign(data, size);
    RegCloseKey(key);
    return value;
}

class RegistryFixture : public ::testing::Test {
protected:
    void SetUp() override { driver::RegDeleteKey("HKCR\\QlrHarness.Test"); }
    void TearDown() override { driver::RegDeleteKey("HKCR\\QlrHarness.Test"); }
};

TEST_F(RegistryFixture, StoresQuotesSpacesPercentAndBackslashesUnchanged) {
    const std::string command = "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"";
    driver::RegSetValue(kKey, "", command);
    driver::RegSetValue(kKey, "Trailing", "C:\\dir with space\\");
    Value standard = Query("QlrHarness.Test\\shell\\open\\command", nullptr);
    EXPECT_EQ(standard.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(standard.data, command + '\0');
    EXPECT_EQ(Query("QlrHarness.Test\\shell\\open\\command", "Trailing").data,
              std::string("C:\\dir with space\\") + '\0');
}

TEST_F(RegistryFixture, StoresOtherTypesUnexpanded) {
    driver::RegSetValue(kKey, "", "\"%SystemRoot%\\winamp.exe\" \"%1\"", "REG_EXPAND_SZ");
    driver::RegSetValue(kKey, "Number", "1234", "REG_DWORD");
    Value expand = Query("QlrHarness.Test\\shell\\open\\command", nullptr);
    EXPECT_EQ(expand.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(expand.data, std::string("\"%SystemRoot%\\winamp.exe\" \"%1\"") + '\0');
    Value number = Query("QlrHarness.Test\\shell\\open\\command", "Number");
    EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number.data, std::string("\xD2\x04\0\0", 4));
}

TEST_F(RegistryFixture, DeletesTheWholeKeyAndAcceptsAMissingOne) {
    driver::RegSetValue(kKey, "", "x");
    ASSERT_TRUE(driver::RegKeyExists("HKCR\\QlrHarness.Test"));
    driver::RegDeleteKey("HKCR\\QlrHarness.Test");
    EXPECT_FALSE(driver::RegKeyExists("HKCR\\QlrHarness.Test"));
    EXPECT_NO_THROW(driver::RegDeleteKey("HKCR\\QlrHarness.Test"));
}

// The prefix is a 64-bit Windows; the tests (and the programs, built alike) run as their build
// is: a 32-bit build under WoW64, where the System directory a program is given, system32, is
// redirected to the 32-bit one, syswow64. The installer's System-directory copies rely on that.
TEST(System, IsA64BitWindowsThatRunsThisBuildAsItIs) {
    SYSTEM_INFO native = {};
    GetNativeSystemInfo(&native);
    EXPECT_EQ(native.wProcessorArchitecture, PROCESSOR_ARCHITECTURE_AMD64);
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_EQ(wow64 != FALSE, sizeof(void*) == 4);

    char system[MAX_PATH] = {}, system32bit[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
    ASSERT_NE(GetSystemWow64DirectoryA(system32bit, MAX_PATH), 0u);
    const std::string marker = "\\qlr-harness-redirection.txt";
    const std::string given = system + marker, bit32 = system32bit + marker;
    HANDLE file = CreateFileA(given.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << given;
    CloseHandle(file);
    // Seen from a 32-bit program both names are one directory; from a 64-bit one they are two.
    EXPECT_EQ(GetFileAttributesA(bit32.c_str()) != INVALID_FILE_ATTRIBUTES, sizeof(void*) == 4);
    DeleteFileA(given.c_str());
    DeleteFileA(bit32.c_str());
}

}  // namespace
