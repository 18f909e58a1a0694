// Measures the install sequence without its pause against a plain copy of the same bytes.
// usage: install_bench.exe KIT_DIR PLAYER_DIR WORK_DIR [RUNS]
//   KIT_DIR     the kit's ten source files
//   PLAYER_DIR  the player's directory (with plugins\ and winamp.ini)
//   WORK_DIR    an empty directory: the install goes to WORK_DIR\qlr111, the plain copies to
//               WORK_DIR\copy
// Each run installs over the previous one, as a user installing again would; the runs of the two
// kinds alternate, so both see the same state of the file cache.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "installer/engine/InstallSequence.h"
#include "installer/ui/Installer.h"
#include "win32/Win32Clock.h"
#include "win32/Win32IniFilez.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Shell.h"

namespace {

// Message boxes go to the console, so an unattended run never waits for a click.
class ConsoleWindows : public qlr::WindowSystem {
public:
    int MsgBox(const std::string& text, const std::string& title, unsigned) override {
        std::fprintf(stderr, "%s:\n%s\n", title.c_str(), text.c_str());
        return qlr::kIdOk;
    }
    void ShowModal(qlr::forms::Form&) override {}
    void ProcessEvents(std::uint32_t) override {}
    [[noreturn]] void EndProgram() override { std::exit(1); }
    qlr::WindowHandle FindTopLevelWindow(const std::string&) override { return 0; }
    void SendCloseRequest(qlr::WindowHandle) override {}
};

// Notes when the copies were done: the moment the details line turns to the configuration.
class CopiesDone : public qlr::forms::ControlView {
public:
    void Refresh(const qlr::forms::Control& control, qlr::forms::Change change) override {
        if (change == qlr::forms::Change::Text &&
            static_cast<const qlr::forms::TextBox&>(control).Text() == "[Writing Program Configuration]")
            ms = clock_.NowMs();
    }
    double ms = 0;

private:
    qlr::win32::Win32Clock clock_;
};

// The copies the install makes, by source name: the same bytes, all into one directory.
const char* const kSources[] = {"_setup.qlr",   "_isdel.qlr",      "comdlg32.dll", "comdlg32.dll",
                                "comdlg32.ocx", "comdlg32.dep",    "comdlg32.oca", "msvbvm60.dll",
                                "out_ds_ssrc.dl_", "in_line.dl_"};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: install_bench KIT_DIR PLAYER_DIR WORK_DIR [RUNS]\n");
        return 2;
    }
    const std::string kit = argv[1], player = argv[2], work = argv[3];
    const int runs = argc == 5 ? std::max(1, std::atoi(argv[4])) : 5;
    const std::string copyDir = work + "\\copy";
    CreateDirectoryA(copyDir.c_str(), nullptr);

    ConsoleWindows windows;
    qlr::win32::Win32FileSystem files;
    qlr::win32::Win32Registry registry;
    qlr::win32::Win32IniFilez ini;
    qlr::win32::Win32Shell shell;
    qlr::win32::Win32Clock clock;
    const qlr::InstallerServices services{windows, files, registry, clock, ini, shell};
    std::vector<double> installMs, installCopiesMs, copyMs;
    for (int run = 0; run < runs; ++run) {
        // The main window with its four inputs; the pause returns at once.
        qlr::Installer installer{services};
        installer.Text1.SetText(work + "\\qlr111");
        installer.Text2.SetText("D:\\Radio Lists\\main.m3u");
        installer.instfrom.SetCaption(kit);
        installer.wnpdir.SetCaption(player);
        CopiesDone copiesDone;
        installer.Text2.AttachView(&copiesDone);
        qlr::InstallWindow window(installer, windows, [](double) {});

        double start = clock.NowMs();
        qlr::RunInstall(window, {files, ini, shell, registry, clock});
        installMs.push_back(clock.NowMs() - start);
        installCopiesMs.push_back(copiesDone.ms - start);
        if (installer.Text1.Text() != "Quillora Installed !") {
            std::fprintf(stderr, "install run %d: %s %s\n", run, installer.Text1.Text().c_str(),
                         installer.Text2.Text().c_str());
            return 1;
        }

        start = clock.NowMs();
        int i = 0;
        for (const char* source : kSources) {
            const std::string target = copyDir + "\\" + std::to_string(i++) + "_" + source;
            if (!CopyFileA((kit + "\\" + source).c_str(), target.c_str(), FALSE)) {
                std::fprintf(stderr, "copy %s failed: %lu\n", source, GetLastError());
                return 1;
            }
        }
        copyMs.push_back(clock.NowMs() - start);
    }
    const double install = Median(installMs), copy = Median(copyMs);
    std::printf("install sequence without pause: median %.1f ms (min %.1f, max %.1f) over %d runs\n",
                install, *std::min_element(installMs.begin(), installMs.end()),
                *std::max_element(installMs.begin(), installMs.end()), runs);
    std::printf("  of which the ten copies:      median %.1f ms; configuration, settings, shortcut: "
                "median %.1f ms\n",
                Median(installCopiesMs), Median(installMs) - Median(installCopiesMs));
    std::printf("plain copy of the same bytes:   median %.1f ms (min %.1f, max %.1f)\n", copy,
                *std::min_element(copyMs.begin(), copyMs.end()),
                *std::max_element(copyMs.begin(), copyMs.end()));
    std::printf("ratio: %.2f\n", install / copy);
    return 0;
}
