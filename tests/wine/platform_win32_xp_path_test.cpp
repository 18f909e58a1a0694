// The Win32 layer acting as on Windows XP (platform/win32/SystemDll.h): the functions newer than XP
// missing, the DLLs the program looks up loaded the way XP loads them, and the file system giving
// the same listings and drives as with the newer flags. Under Wine, which has every newer
// function: the switch is what makes the layer take the XP paths here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Fixtures.h"
#include "platform/win32/SystemDll.h"
#include "platform/win32/Win32FileSystem.h"

namespace driver = qlr::wine_driver;
namespace win32 = qlr::win32;

namespace {

using AnyFunction = void(WINAPI*)();

// The switch set for the test's lifetime, cleared after it.
class ActingAsXp {
public:
    ActingAsXp() { SetEnvironmentVariableA(win32::kAsWindowsXpVariable, "1"); }
    ~ActingAsXp() { SetEnvironmentVariableA(win32::kAsWindowsXpVariable, nullptr); }
    ActingAsXp(const ActingAsXp&) = delete;
    ActingAsXp& operator=(const ActingAsXp&) = delete;
};

// The entries as the pickers use them, in the order listed.
std::vector<std::string> Described(const qlr::Result<std::vector<qlr::DirectoryEntry>>& listing) {
    std::vector<std::string> described{"status " + std::to_string(listing.status.error)};
    for (const qlr::DirectoryEntry& entry : listing.value)
        described.push_back(entry.name + " " + std::to_string(entry.attributes) + (entry.nameFits ? "" : " short ") +
                            entry.shortName);
    return described;
}

std::vector<std::string> Described(const std::vector<qlr::DriveInfo>& drives) {
    std::vector<std::string> described;
    for (const qlr::DriveInfo& drive : drives)
        described.push_back(std::string(1, drive.letter) + (drive.readable ? " readable" : " not readable"));
    return described;
}

TEST(XpPath, FunctionsNewerThanXpAreMissingAndTheOthersFound) {
    struct Case {
        const char* dll;
        const char* function;
        bool newerThanXp;
    };
    const Case cases[] = {
        {"kernel32.dll", "SetThreadErrorMode", true},   {"kernel32.dll", "SetDefaultDllDirectories", true},
        {"user32.dll", "GetDpiForWindow", true},        {"user32.dll", "AdjustWindowRectExForDpi", true},
        {"comctl32.dll", "SetWindowSubclass", false},   {"comctl32.dll", "InitCommonControlsEx", false},
        {"version.dll", "GetFileVersionInfoSizeA", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.dll) + " " + c.function);
        auto lookUp = [&] {
            return c.newerThanXp ? win32::FunctionAfterXp<AnyFunction>(c.dll, c.function)
                                 : win32::SystemFunction<AnyFunction>(c.dll, c.function);
        };
        EXPECT_NE(lookUp(), nullptr) << "on this system";
        ActingAsXp xp;
        EXPECT_EQ(lookUp() == nullptr, c.newerThanXp) << "as on XP";
    }
}

TEST(XpPath, ADllNotYetLoadedIsLoadedByNameFromTheSystemDirectory) {
    const char dll[] = "msacm32.dll";  // loaded by nothing this test program uses
    ASSERT_EQ(GetModuleHandleA(dll), nullptr);
    ActingAsXp xp;
    HMODULE module = win32::SystemModule(dll);
    ASSERT_NE(module, nullptr);
    char path[MAX_PATH] = "", system[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(lstrcmpiA(path, (std::string(system) + "\\" + dll).c_str()), 0) << path;
}

TEST(XpPath, ListingsAndDrivesAreTheSameAsWithTheNewerFlags) {
    driver::TempDirectory root("qlr-xp-list");
    root.MakeSubdirectory("Skins");
    for (const char* name : {"Main.M3U", "b.pls", "a name with blanks.txt"})
        CloseHandle(CreateFileA((root.Path() + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    CloseHandle(CreateFileA((root.Path() + "\\hidden.m3u").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_HIDDEN, nullptr));
    // A name no ANSI code page but UTF-8 writes whole: listed with its short name.
    const std::wstring directory(root.Path().begin(), root.Path().end());  // ASCII
    CloseHandle(CreateFileW((directory + L"\\\u041f\u0440\u03bb\u30ea.m3u").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));

    const win32::Win32FileSystem today;
    const auto listed = Described(today.ListDirectory(root.Path()));
    const auto drives = Described(today.Drives());
    const auto missing = Described(today.ListDirectory(root.Path() + "\\missing"));
    ASSERT_EQ(listed.size(), 7u) << "status and six entries";
    ActingAsXp xp;
    const win32::Win32FileSystem onXp;  // a listing cache of its own
    EXPECT_EQ(Described(onXp.ListDirectory(root.Path())), listed);
    EXPECT_EQ(Described(onXp.Drives()), drives);
    EXPECT_EQ(Described(onXp.ListDirectory(root.Path() + "\\missing")), missing);
}

TEST(XpPath, TheQuietErrorModeIsTheProcesssThereAndPutBackAfter) {
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    const DWORD threadBefore = GetThreadErrorMode();
    {
        ActingAsXp xp;
        win32::Win32FileSystem().Drives();
    }
    EXPECT_EQ(GetErrorMode(), UINT(SEM_NOGPFAULTERRORBOX)) << "on the XP path";
    win32::Win32FileSystem().Drives();
    EXPECT_EQ(GetErrorMode(), UINT(SEM_NOGPFAULTERRORBOX)) << "through the thread's mode";
    EXPECT_EQ(GetThreadErrorMode(), threadBefore);
    SetErrorMode(before);
}

// Registered only for the runs of the end-to-end tests on the XP path (CMakeLists.txt): the switch
// reaches this program and the programs it starts.
TEST(XpRun, TheSwitchReachesTheTestAndTheProgramsItStarts) {
    EXPECT_TRUE(win32::AsWindowsXp());
    char command[] = "cmd.exe /c if defined QLR_AS_WINDOWS_XP exit 7";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &startup, &process));
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 7u) << "a program started here sees the switch";
}

}  // namespace
