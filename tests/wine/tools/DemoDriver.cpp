// Drives an installer.exe that is already running, one step per call, for the demo:
//   demo_driver.exe wait                 waits for the installer's window
//   demo_driver.exe install PLAYLIST     types the default playlist, clicks "&Install QLR" and
//                                        waits until the install is done
//   demo_driver.exe exit                 clicks "E&xit"
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver/Driver.h"
#include "installer/ui/InstallerIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

namespace {

HWND InstallerWindow(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA("QuilloraForm", nullptr);
        if (window && IsWindowVisible(window)) return window;
        if (GetTickCount() - start > timeoutMs) throw driver::DriverError("no installer window");
        Sleep(50);
    }
}

void WaitForCaption(HWND window, int id, const std::string& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (driver::ControlText(window, id) != caption) {
        if (GetTickCount() - start > timeoutMs)
            throw driver::DriverError("the install did not finish in time");
        Sleep(100);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string step = argc > 1 ? argv[1] : "";
    try {
        HWND window = InstallerWindow(step == "wait" ? 20000 : 2000);
        if (step == "install" && argc > 2) {
            driver::SetControlText(window, ids::Text2, argv[2]);
            driver::ClickButton(window, ids::Command1);
            WaitForCaption(window, ids::Command1, "E&xit", 60000);
            std::printf("%s\n%s\n", driver::ControlText(window, ids::Text1).c_str(),
                        driver::ControlText(window, ids::Text2).c_str());
        } else if (step == "exit") {
            driver::ClickButton(window, ids::Command1);
        } else if (step != "wait") {
            std::fprintf(stderr, "usage: demo_driver.exe wait | install PLAYLIST | exit\n");
            return 2;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demo_driver: %s\n", error.what());
        return 1;
    }
}
