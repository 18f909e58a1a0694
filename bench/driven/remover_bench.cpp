// Measures the remover's removal sequence under Wine: wall and CPU time of the 1507 deletion
// attempts, with every file present and with none present.
//   in process: Form1's "&Yes" procedure over the real file system, without a window;
//   end to end: the real remover.exe, from the posted click on "&Yes" until it reads "E&xit"
//   (wall time only: Wine reports no CPU time for another process).
// CPU time is the measuring process's own, in Wine's steps of 10 ms; the Wine server's share of
// each deletion is not in it.
// usage: remover_bench.exe [rounds]   (prints the median and the range of each figure)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "win32/Win32WindowSystem.h"
#include "remover/Form1.h"
#include "remover/RemovalSequence.h"
#include "remover/RemoverIds.h"

namespace driver = qlr::wine_driver;

namespace {

struct Sample {
    double wallMs, cpuMs;
};

double Ms(const FILETIME& t) {
    return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
}
double CpuMs() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    return Ms(kernel) + Ms(user);
}
double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * double(now.QuadPart) / double(frequency.QuadPart);
}

void Touch(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw driver::DriverError("cannot create " + path);
    CloseHandle(file);
}

// A player directory and an install directory below it, with every file of the deletion list
// when `filled`, or with none.
struct Installation {
    explicit Installation(bool filled) {
        if (!filled) return;
        for (const std::string& name : qlr::remover::ConfigurationFileNames()) Touch(player + "\\" + name);
        Touch(install + "\\" + qlr::remover::kProgramFile);
        Touch(install + "\\" + qlr::remover::kDialogLibrary);
    }
    driver::TempDirectory dir{"qlr-remover-bench"};
    std::string player = dir.MakeSubdirectory("Winamp");
    std::string install = dir.MakeSubdirectory("Winamp\\qlr111");
};

Sample InProcess(bool filled) {
    Installation setup(filled);
    SetCurrentDirectoryA(setup.install.c_str());
    qlr::win32::Win32FileSystem files;
    qlr::win32::Win32Registry registry;
    qlr::win32::Win32WindowSystem windows;
    qlr::remover::Form1 form({windows, files, registry});
    form.wnpdir.SetCaption(setup.player);

    const double cpuBefore = CpuMs();
    const double start = NowMs();
    form.Command2_Click();
    const Sample sample{NowMs() - start, CpuMs() - cpuBefore};
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
    if (form.Label1.Caption() != "Erased All QLR Files and Configuration !")
        throw driver::DriverError("the removal reported: " + form.Label1.Caption());
    return sample;
}

Sample EndToEnd(const std::string& remover, bool filled) {
    namespace ids = qlr::remover_ids;
    Installation setup(filled);
    driver::RegSetValue("HKCR\\Winamp.SkinZip\\shell\\install\\command", "",
                        "\"" + setup.player + "\\winamp.exe\" \"%1\"");
    const std::string copy = setup.install + "\\qlr_remover.exe";
    driver::CopyFileOrThrow(remover, copy);
    driver::Process process = driver::Process::Start(copy, {}, setup.install);
    HWND window = driver::WaitForMainWindow(process);

    const double start = NowMs();
    driver::ClickButton(window, ids::Command2);
    // The window answers WM_GETTEXT only between events, so the first read after the click
    // returns once the removal has run.
    while (driver::ControlText(window, ids::Command2) != "E&xit") {
        if (NowMs() - start > driver::kWaitMs) throw driver::DriverError("no E&xit in time");
    }
    const Sample sample{NowMs() - start, 0};
    driver::ClickButton(window, ids::Command2);
    process.ExpectExit();
    driver::RegDeleteKey("HKCR\\Winamp.SkinZip");
    return sample;
}

void Report(const char* what, std::vector<Sample> samples, bool withCpu) {
    auto show = [&](const char* name, auto field) {
        std::vector<double> values;
        for (const Sample& s : samples) values.push_back(field(s));
        std::sort(values.begin(), values.end());
        std::printf("  %-5s median %7.1f ms  (min %7.1f, max %7.1f)\n", name,
                    values[values.size() / 2], values.front(), values.back());
    };
    std::printf("%s, %zu rounds:\n", what, samples.size());
    show("wall", [](const Sample& s) { return s.wallMs; });
    if (withCpu) show("CPU", [](const Sample& s) { return s.cpuMs; });
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    try {
        for (bool filled : {true, false}) {
            std::vector<Sample> inProcess, endToEnd;
            for (int i = 0; i < rounds; ++i) inProcess.push_back(InProcess(filled));
            for (int i = 0; i < rounds; ++i)
                endToEnd.push_back(EndToEnd(driver::HostPath(QLR_REMOVER_EXE), filled));
            const char* files = filled ? "all 1507 files present" : "no file present";
            Report((std::string("in process, ") + files).c_str(), inProcess, true);
            Report((std::string("remover.exe, click to E&xit, ") + files).c_str(), endToEnd, false);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "remover_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
