// Walks the installer through an install for screenshots: starts it from the kit directory, names
// the playlist, clicks "&Install QLR", and stops at two moments, during the pause and in the Done
// state. At each it writes MARKER_DIR\<moment>.ready and waits for MARKER_DIR\<moment>.done, which
// the script that takes the picture writes. Ends the installer with "E&xit".
//
//   installwalk.exe INSTALLER KIT_DIR PLAYLIST MARKER_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver/Driver.h"
#include "installer/ui/InstallerIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

namespace {

void WaitForText(HWND window, int id, const std::string& text, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (driver::ControlText(window, id) != text) {
        if (GetTickCount64() >= deadline) throw driver::DriverError("no \"" + text + "\"");
        Sleep(20);
    }
}

// Announces the moment and waits (bounded) until its picture is taken.
void Hold(const std::string& markers, const std::string& moment, DWORD timeoutMs) {
    const std::string ready = markers + "\\" + moment + ".ready";
    const std::string done = markers + "\\" + moment + ".done";
    if (FILE* file = std::fopen(ready.c_str(), "wb")) std::fclose(file);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount64() >= deadline) throw driver::DriverError(moment + " never photographed");
        Sleep(20);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: installwalk INSTALLER KIT_DIR PLAYLIST MARKER_DIR\n");
        return 2;
    }
    const std::string markers = argv[4];
    try {
        driver::Process installer = driver::Process::Start(argv[1], {}, argv[2]);
        HWND window = driver::WaitForMainWindow(installer);
        driver::SetControlText(window, ids::Text2, argv[3]);
        driver::ClickButton(window, ids::Command1);
        WaitForText(window, ids::Text1, "Installing ...", 5000);
        Sleep(150);  // the window paints its new texts
        Hold(markers, "pause", 1000);
        WaitForText(window, ids::Command1, "E&xit", 20000);
        Sleep(300);
        Hold(markers, "done", 10000);
        driver::ClickButton(window, ids::Command1);
        installer.ExpectExit();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "installwalk: %s\n", error.what());
        return 1;
    }
}
