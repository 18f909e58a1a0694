// Measures the pickers on a large directory: 10,000 playlists and 2,000 subdirectories. Times,
// as a user sees them: from the click on a browse button to the picker shown and painted, and
// from one keystroke in the pattern box to the re-filtered list shown and painted.
// usage: picker_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "driver/Keyboard.h"
#include "driver/Wait.h"
#include "installer/ui/InstallerIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;
namespace fil = qlr::fil_ids;

namespace {

constexpr int kFiles = 10000;
constexpr int kDirectories = 2000;

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * double(now.QuadPart) / double(frequency.QuadPart);
}

BOOL CALLBACK NotePending(HWND child, LPARAM pending) {
    if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

// Shown: visible, and nothing of it waits to be painted.
bool Painted(HWND window) {
    if (!IsWindowVisible(window)) return false;
    bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, NotePending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

int Count(HWND picker, int id) {
    return int(driver::SendBounded(driver::Control(picker, id), LB_GETCOUNT, 0, 0, "counting"));
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-58s %2zu runs: min %5.1f ms, median %5.1f ms, max %5.1f ms\n", what, times.size(),
                times.front(), times[times.size() / 2], times.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    try {
        driver::TempDirectory root("qlr-pickbench");
        const std::string kit = root.MakeSubdirectory("KIT");
        const std::string player = root.MakeSubdirectory("Winamp");
        for (int i = 0; i < kDirectories; ++i) root.MakeSubdirectory("Winamp\\dir" + std::to_string(10000 + i));
        for (int i = 0; i < kFiles; ++i) {
            const std::string name = player + "\\list" + std::to_string(10000 + i) + ".m3u";
            CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        }
        driver::CopyFileOrThrow(driver::HostPath(QLR_INSTALLER_EXE), kit + "\\installer.exe");
        driver::RegSetValue("HKCR\\Winamp.SkinZip\\shell\\install\\command", "", "\"" + player + "\\winamp.exe\" \"%1\"");
        driver::Process installer = driver::Process::Start(kit + "\\installer.exe", {}, kit);
        HWND main = driver::WaitForMainWindow(installer);

        auto open = [&](int button, const char* title, double& ms) {
            const double start = NowMs();
            driver::ClickButton(main, button);
            HWND picker = driver::WaitForWindow(installer, [&](HWND w) { return driver::Title(w) == title; }, title);
            driver::WaitUntil([&] { return Painted(picker); }, "the picker painted");
            ms = NowMs() - start;
            return picker;
        };
        auto close = [&](HWND picker) {
            driver::PressKey(picker, VK_ESCAPE);
            driver::WaitUntil([&] { return !IsWindow(picker); }, "the picker closed");
        };

        std::vector<double> dirOpen, filOpen, fill, empty;
        for (int run = 0; run < runs; ++run) {
            double ms = 0;
            close(open(ids::Command4, qlr::dir_ids::kTitle, ms));
            dirOpen.push_back(ms);
            HWND picker = open(ids::Command3, fil::kTitle, ms);
            filOpen.push_back(ms);
            if (Count(picker, fil::File1) != kFiles) throw driver::DriverError("the file list is not full");
            HWND patterns = driver::Control(picker, fil::Text2);
            driver::SetControlText(picker, fil::Text2, "*.m3");
            driver::WaitUntil([&] { return Count(picker, fil::File1) == 0 && Painted(picker); }, "an empty list");
            driver::SendBounded(patterns, EM_SETSEL, 4, 4, "placing the caret at the end");
            // "u": from no file to all 10,000; then Backspace: back to none.
            double start = NowMs();
            driver::TypeText(patterns, "u");
            driver::WaitUntil([&] { return Count(picker, fil::File1) == kFiles && Painted(picker); }, "the full list");
            fill.push_back(NowMs() - start);
            start = NowMs();
            driver::TypeText(patterns, "\b");
            driver::WaitUntil([&] { return Count(picker, fil::File1) == 0 && Painted(picker); }, "the empty list");
            empty.push_back(NowMs() - start);
            close(picker);
        }
        driver::RegDeleteKey("HKCR\\Winamp.SkinZip");
        std::printf("a directory of %d playlists and %d subdirectories:\n", kFiles, kDirectories);
        Report("click \"&Browse\" to the directory picker shown", dirOpen);
        Report("click \"B&rowse\" to the playlist picker shown (all listed)", filOpen);
        Report("keystroke \"u\" (*.m3 to *.m3u: none to 10,000 files)", fill);
        Report("keystroke Backspace (10,000 files to none)", empty);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picker_bench: %s\n", error.what());
        return 1;
    }
}
