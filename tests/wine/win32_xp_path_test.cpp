// The Win32 layer acting as on Windows XP (win32/SystemDll.h): the functions newer than XP
// missing, the DLLs the program looks up loaded the way XP loads them, the drives' error mode set
// for the process and put back. Under Wine, which has every newer function, the switch is what
// makes the layer take the XP paths. (The listings on XP's way: the pickers' OnXp.* runs.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/SystemDll.h"
#include "win32/Win32FileSystem.h"

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
