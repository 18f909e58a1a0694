// A stand-in for the media player, for the end-to-end tests: a top-level window of the player's
// class that writes one line per WM_CLOSE it receives to a record file, so a test can tell
// exactly what the program under test asked of the player.
//
//   fakeamp.exe RECORD_FILE [MODE]
//     (no mode)    closes on WM_CLOSE, as the player does
//     --keep-open  records WM_CLOSE but stays open
//     --hang       creates its window, then stops handling messages for two minutes
//     --stuck      records WM_CLOSE, then does not return from it for two minutes
//     --decoy      a window titled like the player but of another class; closes on WM_CLOSE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kPlayerClass[] = "Winamp v1.x";
const char kDecoyClass[] = "QlrDecoyPlayer";
const DWORD kHangMs = 120000;

enum class Mode { Close, KeepOpen, Hang, Stuck, Decoy };

struct Options {
    std::string recordFile;
    Mode mode = Mode::Close;
};

// Appends one line and closes the file at once, so a test reads it while this program runs.
void Record(const Options& options, UINT message, WPARAM wParam, LPARAM lParam) {
    FILE* file = std::fopen(options.recordFile.c_str(), "ab");
    if (!file) return;
    std::fprintf(file, "WM_CLOSE 0x%04X %llu %lld\r\n", message,
                 static_cast<unsigned long long>(wParam), static_cast<long long>(lParam));
    std::fclose(file);
}

// The window's options come with WM_NCCREATE and stay in its user data.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* options = reinterpret_cast<const Options*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_CLOSE:
        if (!options) break;
        Record(*options, message, wParam, lParam);
        if (options->mode == Mode::Stuck) Sleep(kHangMs);
        if (options->mode != Mode::KeepOpen) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    if (argc < 2 || argc > 3) return false;
    options.recordFile = argv[1];
    if (argc == 3) {
        if (std::strcmp(argv[2], "--keep-open") == 0) options.mode = Mode::KeepOpen;
        else if (std::strcmp(argv[2], "--hang") == 0) options.mode = Mode::Hang;
        else if (std::strcmp(argv[2], "--stuck") == 0) options.mode = Mode::Stuck;
        else if (std::strcmp(argv[2], "--decoy") == 0) options.mode = Mode::Decoy;
        else return false;
    }
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Options options;
    if (!ParseOptions(__argc, __argv, options)) {
        MessageBoxA(nullptr, "usage: fakeamp RECORD_FILE [--keep-open|--hang|--stuck|--decoy]", "fakeamp",
                    MB_OK);
        return 2;
    }
    const bool decoy = options.mode == Mode::Decoy;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = decoy ? kDecoyClass : kPlayerClass;
    if (!RegisterClassA(&windowClass)) return 3;

    HWND window = CreateWindowExA(0, windowClass.lpszClassName,
                                  decoy ? "Winamp Library" : "1. Fake Artist - Test Tone - Winamp",
                                  WS_OVERLAPPEDWINDOW, 600, 400, 275, 116, nullptr, nullptr,
                                  instance, &options);
    if (!window) return 4;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    if (options.mode == Mode::Hang) {
        Sleep(kHangMs);
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
