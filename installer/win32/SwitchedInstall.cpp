#include "installer/win32/SwitchedInstall.h"

#include "installer/unattended/UnattendedInstall.h"
#include "installer/win32/Artwork.h"
#include "platform/win32/Program.h"
#include "platform/win32/Win32RunLog.h"

namespace qlr::win32 {

int RunSwitchedInstall(HINSTANCE instance, Win32InstallerServices& platform,
                       const InstallerOptions& options) {
    Win32LogOutput output;
    RunLog log(output, options.logFile);
    log.Begin(CurrentRunFacts(QLR_PROGRAM_VERSION));
    RecordedWindowSystem windows(platform.windows, log, options.Unattended(),
                                 options.closePlayer ? kIdYes : kIdNo);
    if (std::optional<int> code = RefuseOrHelp(options, kInstallerUsage, "QLR Installer", windows, log))
        return *code;

    if (RunsAsLocalSystem()) {
        platform.shell.commonDesktop = true;
        log.Note("Running as the local system account: the shortcut goes on the common desktop");
    }
    Installer installer({windows, platform.files, platform.registry, platform.clock, platform.ini,
                         platform.shell, &log});
    if (!options.Unattended())
        return RunRecordedForm(instance, installer, platform.windows, windows, log,
                               PaintInstallerArtwork, RealiseAnyControl,
                               [&] { FillFromCommandLine(installer, options); },
                               [&] { return InstallerEnd(installer, log); });

    std::unique_ptr<FormWindow> window;
    return RunUnattendedInstall(installer, options, windows, log, [&] {
        if (options.mode == RunMode::Silent)
            window = ShowWithoutInput(instance, installer, platform.windows, PaintInstallerArtwork,
                                      RealiseAnyControl);
    });
}

}  // namespace qlr::win32
