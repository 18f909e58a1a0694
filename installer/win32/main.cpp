// installer.exe: places the scheduler beside an existing media player installation. Started
// with switches it logs what it does, and can install unattended (installer/unattended/).
#include <windows.h>

#include "installer/ui/Installer.h"
#include "installer/unattended/UnattendedInstall.h"
#include "installer/win32/Artwork.h"
#include "installer/win32/Win32InstallerServices.h"
#include "win32/Program.h"
#include "win32/Win32RunLog.h"

namespace {

// At the window, the program's end is the run's end: the log's last line and the exit code.
class InstallerEnding : public qlr::RunEndHook {
public:
    InstallerEnding(qlr::win32::Win32WindowSystem& screen, qlr::RunLog& log, const qlr::Installer& installer)
        : screen_(screen), log_(log), installer_(installer) {}
    void BeforeEnd() override { screen_.SetExitCode(Finish(log_, InstallerEnd(installer_, log_))); }

private:
    qlr::win32::Win32WindowSystem& screen_;
    qlr::RunLog& log_;
    const qlr::Installer& installer_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace qlr;
    using namespace std::literals;
    win32::RestrictDllSearch();

    win32::Win32InstallerServices platform;
    const InstallerOptions options = ParseInstallerOptions(GetCommandLineA());
    // The procedures work on a window system that records their boxes into the run's log.
    // Without switches the log writes nothing and the boxes are shown: the program runs as always.
    win32::Win32LogOutput output;
    RunLog log(output, options.logFile);
    RecordedWindowSystem windows(platform.windows, log, options.Unattended(),
                                 options.closePlayer ? kIdYes : kIdNo);
    Installer installer({windows, platform.files, platform.registry, platform.clock, platform.ini,
                         platform.shell, &log});
    win32::PrepareWindows(instance, platform.windows, win32::PaintInstallerArtwork,
                          win32::RealiseAnyControl);

    if (options.switched) {
        win32::BeginRunLog(log, QLR_PROGRAM_VERSION);
        if (std::optional<int> code = RefuseOrHelp(options, kInstallerUsage, "QLR Installer", windows, log))
            return *code;
        if (win32::RunsAsLocalSystem()) {
            platform.shell.commonDesktop = true;
            log.Note({"System account: the shortcut goes on the common desktop"sv});
        }
    }
    InstallerEnding ending(platform.windows, log, installer);
    if (options.switched) windows.beforeEnd = &ending;
    if (!options.Unattended())
        return win32::RunForm(installer, platform.windows);

    if (std::optional<int> code = StartUnattendedInstall(installer, windows, log)) return *code;
    std::unique_ptr<win32::FormWindow> window;
    if (options.mode == RunMode::Silent) window = win32::ShowWithoutInput(installer, platform.windows);
    return FinishUnattendedInstall(installer, options, log);
}
