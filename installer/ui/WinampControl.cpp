#include "installer/ui/WinampControl.h"

namespace qlr::WinampControl {

WindowHandle FindWinampWindow(WindowSystem& windows) {
    return windows.FindTopLevelWindow(kWindowClass);
}

void CloseWinamp(WindowSystem& windows) {
    windows.SendCloseRequest(FindWinampWindow(windows));
}

}  // namespace qlr::WinampControl
