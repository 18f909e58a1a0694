// remover.exe: takes the scheduler off again. Started from the install directory, it deletes the
// scheduler's configuration files from the player's directory and its program files from there.
// Started with switches it logs what it does, and can remove unattended (UnattendedRemoval.h).
#include <windows.h>

#include "common/RecordedWindowSystem.h"
#include "win32/Program.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "win32/Win32RunLog.h"
#include "remover/Form1.h"
#include "remover/UnattendedRemoval.h"

namespace {

// At the window, the program's end is the run's end: the log's last line and the exit code.
class RemoverEnding : public qlr::RunEndHook {
public:
    RemoverEnding(qlr::win32::Win32WindowSystem& screen, qlr::RunLog& log, const qlr::remover::Form1& form)
        : screen_(screen), log_(log), form_(form) {}
    void BeforeEnd() override { screen_.SetExitCode(Finish(log_, qlr::remover::RemoverEnd(form_, log_))); }

private:
    qlr::win32::Win32WindowSystem& screen_;
    qlr::RunLog& log_;
    const qlr::remover::Form1& form_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace qlr;
    // First of all: the install directory holds a comdlg32.dll of its own, never to be loaded.
    win32::RestrictDllSearch();

    // Only what the removal needs of the file system and the registry.
    win32::Win32FileRemoval files;
    win32::Win32StepRegistry registry;
    win32::Win32WindowSystem screen;
    const RunOptions options = remover::ParseRemoverOptions(GetCommandLineA());
    // The procedures work on a window system that records their boxes into the run's log.
    // Without switches the log writes nothing and the boxes are shown: the program runs as always.
    win32::Win32LogOutput output;
    RunLog log(output, options.logFile);
    RecordedWindowSystem windows(screen, log, options.Unattended());
    remover::Form1 form({windows, files, registry, &log});
    // The remover's window has no picture box, so there is no artwork to paint, and no list.
    win32::PrepareWindows(instance, screen, nullptr, win32::RealiseStandardControl);

    if (options.switched) {
        win32::BeginRunLog(log, QLR_PROGRAM_VERSION);
        if (std::optional<int> code = RefuseOrHelp(options, remover::kRemoverUsage, "QLR Remover", windows, log))
            return *code;
    }
    RemoverEnding ending(screen, log, form);
    if (options.switched) windows.beforeEnd = &ending;
    if (!options.Unattended()) return win32::RunForm(form, screen);

    remover::StartUnattendedRemoval(form, log);
    std::unique_ptr<win32::FormWindow> window;
    if (options.mode == RunMode::Silent) window = win32::ShowWithoutInput(form, screen);
    return remover::FinishUnattendedRemoval(form, log);
}
