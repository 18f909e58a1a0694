// Starts a program, waits until its main window (or a message box) shows, and holds it there
// while something outside Wine looks at the screen: scripts/wine-screenshot.sh takes its picture
// then. Announces the window by writing READY_FILE; ends the program once RELEASE_FILE exists.
//
//   holdwindow.exe EXE CURRENT_DIR READY_FILE RELEASE_FILE [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/Driver.h"

namespace driver = qlr::wine_driver;

int main(int argc, char** argv) {
    if (argc < 5 || argc > 6) {
        std::fprintf(stderr, "usage: holdwindow EXE CURRENT_DIR READY_FILE RELEASE_FILE [SECONDS]\n");
        return 2;
    }
    const std::string readyFile = argv[3];
    const std::string releaseFile = argv[4];
    const DWORD holdMs = 1000 * static_cast<DWORD>(argc == 6 ? std::atoi(argv[5]) : 60);
    try {
        driver::Process program = driver::Process::Start(argv[1], {}, argv[2]);
        HWND window = driver::WaitForWindow(program, [](HWND) { return true; }, "window");
        // Give the window time to paint before it is photographed.
        Sleep(500);
        FILE* ready = std::fopen(readyFile.c_str(), "wb");
        if (!ready) throw driver::DriverError("cannot write " + readyFile);
        std::fprintf(ready, "%s\n", driver::Title(window).c_str());
        std::fclose(ready);

        const ULONGLONG deadline = GetTickCount64() + holdMs;
        while (GetFileAttributesA(releaseFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
            if (GetTickCount64() >= deadline) throw driver::DriverError("never released");
            Sleep(50);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "holdwindow: %s\n", error.what());
        return 1;
    }
}
