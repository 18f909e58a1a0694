#include "remover/win32/SwitchedRemoval.h"

#include "platform/win32/Program.h"
#include "platform/win32/Win32RunLog.h"
#include "remover/UnattendedRemoval.h"

namespace qlr::win32 {

int RunSwitchedRemoval(HINSTANCE instance, Win32WindowSystem& screen, Win32FileSystem& files,
                       Win32Registry& registry, const RunOptions& options) {
    Win32LogOutput output;
    RunLog log(output, options.logFile);
    log.Begin(CurrentRunFacts(QLR_PROGRAM_VERSION));
    RecordedWindowSystem windows(screen, log, options.Unattended());
    if (std::optional<int> code = RefuseOrHelp(options, remover::kRemoverUsage, "QLR Remover", windows, log))
        return *code;

    remover::Form1 form({windows, files, registry, &log});
    if (!options.Unattended())
        return RunRecordedForm(instance, form, screen, windows, log, nullptr, RealiseStandardControl,
                               nullptr, [&] { return remover::RemoverEnd(form, log); });

    std::unique_ptr<FormWindow> window;
    return remover::RunUnattendedRemoval(form, log, [&] {
        if (options.mode == RunMode::Silent)
            window = ShowWithoutInput(instance, form, screen, nullptr, RealiseStandardControl);
    });
}

}  // namespace qlr::win32
