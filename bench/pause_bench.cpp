// Measures the installer's Pause: wall time and the CPU time it costs.
// usage: pause_bench.exe [milliseconds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "installer/win32/Win32InstallerServices.h"

namespace {

double CpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

}  // namespace

int main(int argc, char** argv) {
    const double milliseconds = argc > 1 ? std::atof(argv[1]) : 1500;
    qlr::win32::Win32InstallerServices platform;
    qlr::Installer installer(platform.Services());
    const qlr::Clock& clock = platform.clock;

    const double cpuBefore = CpuMs();
    const double start = clock.NowMs();
    installer.Pause(milliseconds);
    const double wall = clock.NowMs() - start;
    const double cpu = CpuMs() - cpuBefore;
    std::printf("Pause(%.0f): wall %.1f ms, CPU %.1f ms (%.2f %%)\n", milliseconds, wall, cpu,
                100.0 * cpu / wall);
    return 0;
}
