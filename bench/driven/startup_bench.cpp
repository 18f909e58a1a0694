// Measures the time from starting installer.exe to its main window being shown, as a user starts
// it: from a kit directory, with the player's registry command in place.
// usage: startup_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"

namespace driver = qlr::wine_driver;

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const char kKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";
    driver::TempDirectory root("qlr-bench");
    const std::string kit = root.MakeSubdirectory("KIT");
    const std::string player = root.MakeSubdirectory("Winamp");
    driver::CopyFileOrThrow(driver::HostPath(QLR_INSTALLER_EXE), kit + "\\installer.exe");
    driver::RegSetValue(kKey, "", "\"" + player + "\\winamp.exe\" \"%1\"");

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, shown;
        QueryPerformanceCounter(&start);
        driver::Process installer = driver::Process::Start(kit + "\\installer.exe", {}, kit);
        driver::WaitForMainWindow(installer);
        QueryPerformanceCounter(&shown);
        times.push_back(1000.0 * double(shown.QuadPart - start.QuadPart) / double(frequency.QuadPart));
        installer.Kill();
    }
    driver::RegDeleteKey("HKCR\\Winamp.SkinZip");
    std::sort(times.begin(), times.end());
    std::printf("installer.exe start to window shown, %d runs: min %.0f ms, median %.0f ms, max %.0f ms\n",
                runs, times.front(), times[times.size() / 2], times.back());
    return 0;
}
