// Starts the installer, opens one of its pickers from the main window and holds it there while
// something outside Wine looks at the screen: scripts/wine-screenshot.sh takes its picture then.
// In the playlist picker the first file is chosen first, so that the path box shows a path.
// Announces the picker by writing READY_FILE; ends the installer once RELEASE_FILE exists.
//
//   holdpicker.exe INSTALLER_EXE CURRENT_DIR dir|fil READY_FILE RELEASE_FILE [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/Driver.h"
#include "driver/Lists.h"
#include "driver/Wait.h"
#include "installer/ui/InstallerIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

int main(int argc, char** argv) {
    const std::string which = argc > 3 ? argv[3] : "";
    if (argc < 6 || argc > 7 || (which != "dir" && which != "fil")) {
        std::fprintf(stderr, "usage: holdpicker INSTALLER_EXE CURRENT_DIR dir|fil READY_FILE RELEASE_FILE [SECONDS]\n");
        return 2;
    }
    const bool dir = which == "dir";
    const std::string title = dir ? qlr::dir_ids::kTitle : qlr::fil_ids::kTitle;
    const DWORD holdMs = 1000 * static_cast<DWORD>(argc == 7 ? std::atoi(argv[6]) : 60);
    try {
        driver::Process installer = driver::Process::Start(argv[1], {}, argv[2]);
        HWND main = driver::WaitForMainWindow(installer);
        driver::ClickButton(main, dir ? ids::Command4 : ids::Command3);
        HWND picker = driver::WaitForWindow(
            installer, [&](HWND w) { return driver::Title(w) == title; }, "picker");
        if (!dir && !driver::ListItems(picker, qlr::fil_ids::File1).empty()) {
            driver::ClickListItem(picker, qlr::fil_ids::File1, 0);
            driver::WaitUntil([&] { return !driver::ControlText(picker, qlr::fil_ids::Text1).empty(); },
                              "the path box filled");
        }
        // Give the window time to paint before it is photographed.
        Sleep(500);
        FILE* ready = std::fopen(argv[4], "wb");
        if (!ready) throw driver::DriverError(std::string("cannot write ") + argv[4]);
        std::fprintf(ready, "%s\n", title.c_str());
        std::fclose(ready);

        const ULONGLONG deadline = GetTickCount64() + holdMs;
        while (GetFileAttributesA(argv[5]) == INVALID_FILE_ATTRIBUTES) {
            if (GetTickCount64() >= deadline) throw driver::DriverError("never released");
            Sleep(50);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "holdpicker: %s\n", error.what());
        return 1;
    }
}
