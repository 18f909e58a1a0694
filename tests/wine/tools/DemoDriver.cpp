// Drives the kit's programs while they run, one step per call, for the demo:
//   demo_driver.exe wait                 waits for the installer's window
//   demo_driver.exe install PLAYLIST     types the default playlist, clicks "&Install QLR" and
//                                        waits until the install is done
//   demo_driver.exe exit                 clicks the installer's "E&xit"
//   demo_driver.exe remover-wait         waits for the remover's window
//   demo_driver.exe remove               clicks the remover's "&Yes" and waits until it is done
//   demo_driver.exe remover-exit         clicks the remover's "E&xit"
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver/Driver.h"
#include "installer/ui/InstallerIds.h"
#include "remover/RemoverIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;
namespace remover_ids = qlr::remover_ids;

namespace {

// The first visible window of the kit's form class whose control `id` shows `caption`: both
// programs use the same class, and the caption tells which program the window belongs to.
HWND FormWindow(int id, const std::string& caption, const char* what, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, "QuilloraForm", nullptr)) != nullptr) {
            if (IsWindowVisible(window) && GetDlgItem(window, id) &&
                driver::ControlText(window, id) == caption)
                return window;
        }
        if (GetTickCount() - start > timeoutMs) throw driver::DriverError(std::string("no ") + what);
        Sleep(50);
    }
}

void WaitForCaption(HWND window, int id, const std::string& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (driver::ControlText(window, id) != caption) {
        if (GetTickCount() - start > timeoutMs)
            throw driver::DriverError("\"" + caption + "\" did not show in time");
        Sleep(100);
    }
}

HWND InstallerWindow(const std::string& command1, DWORD timeoutMs) {
    return FormWindow(ids::Command1, command1, "installer window", timeoutMs);
}
HWND RemoverWindow(const std::string& command2, DWORD timeoutMs) {
    return FormWindow(remover_ids::Command2, command2, "remover window", timeoutMs);
}

int Run(const std::string& step, int argc, char** argv) {
    if (step == "wait") {
        InstallerWindow("&Install QLR", 20000);
    } else if (step == "install" && argc > 2) {
        HWND window = InstallerWindow("&Install QLR", 2000);
        driver::SetControlText(window, ids::Text2, argv[2]);
        driver::ClickButton(window, ids::Command1);
        WaitForCaption(window, ids::Command1, "E&xit", 60000);
        std::printf("%s\n%s\n", driver::ControlText(window, ids::Text1).c_str(),
                    driver::ControlText(window, ids::Text2).c_str());
    } else if (step == "exit") {
        driver::ClickButton(InstallerWindow("E&xit", 2000), ids::Command1);
    } else if (step == "remover-wait") {
        RemoverWindow("&Yes", 20000);
    } else if (step == "remove") {
        HWND window = RemoverWindow("&Yes", 2000);
        driver::ClickButton(window, remover_ids::Command2);
        WaitForCaption(window, remover_ids::Command2, "E&xit", 60000);
        std::printf("%s\n", driver::ControlText(window, remover_ids::Label1).c_str());
    } else if (step == "remover-exit") {
        driver::ClickButton(RemoverWindow("E&xit", 2000), remover_ids::Command2);
    } else {
        std::fprintf(stderr, "usage: demo_driver.exe wait | install PLAYLIST | exit | "
                             "remover-wait | remove | remover-exit\n");
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc > 1 ? argv[1] : "", argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demo_driver: %s\n", error.what());
        return 1;
    }
}
