#include "installer/unattended/UnattendedInstall.h"

#include "common/Paths.h"

namespace qlr {

void FillFromCommandLine(Installer& installer, const InstallerOptions& options) {
    if (!options.directory.empty()) installer.Text1.SetText(options.directory);
    if (!options.playlist.empty()) installer.Text2.SetText(options.playlist);
}

RunEnd InstallerEnd(const Installer& installer, const RunLog& log) {
    if (installer.Command1.Caption() != kExitCaption) return {"Ended without installing", kExitDone};
    return {Join({installer.Text1.Text(), " ", installer.Text2.Text()}),
            log.Failures() == 0 ? kExitDone : kExitFailedSteps};
}

std::optional<int> StartUnattendedInstall(Installer& installer, RecordedWindowSystem& windows, RunLog& log) {
    try {
        installer.Form_Load();
    } catch (const RunEnded&) {
        if (windows.Declined())
            return Finish(log, "Winamp is running and /CLOSEPLAYER was not given: nothing installed",
                          kExitPlayerRunning);
        return Finish(log, "Winamp not found: nothing installed", kExitPlayerNotFound);
    }
    log.Note(Join({"Installing from ", installer.instfrom.Caption(), " beside Winamp in ",
                   installer.wnpdir.Caption()}));
    return std::nullopt;
}

int FinishUnattendedInstall(Installer& installer, const InstallerOptions& options, RunLog& log) {
    FillFromCommandLine(installer, options);
    installer.Command1.Click();
    if (installer.Command1.Caption() != kExitCaption)
        return Finish(log, "The install refused its fields: nothing installed", kExitRefused);
    return Finish(log, InstallerEnd(installer, log));
}

}  // namespace qlr
