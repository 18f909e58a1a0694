#include "installer/unattended/UnattendedInstall.h"

namespace qlr {

void FillFromCommandLine(Installer& installer, const InstallerOptions& options) {
    if (!options.directory.empty()) installer.Text1.SetText(options.directory);
    if (!options.playlist.empty()) installer.Text2.SetText(options.playlist);
}

RunEnd InstallerEnd(const Installer& installer, const RunLog& log) {
    if (installer.Command1.Caption() != kExitCaption) return {"Ended without installing", kExitDone};
    return {installer.Text1.Text() + ' ' + installer.Text2.Text(),
            log.Failures() == 0 ? kExitDone : kExitFailedSteps};
}

int RunUnattendedInstall(Installer& installer, const InstallerOptions& options,
                         RecordedWindowSystem& windows, RunLog& log, const std::function<void()>& show) {
    try {
        installer.Form_Load();
    } catch (const RunEnded&) {
        if (windows.Declined())
            return Finish(log, {"Winamp is running and /CLOSEPLAYER was not given: nothing installed",
                                kExitPlayerRunning});
        return Finish(log, {"Winamp not found: nothing installed", kExitPlayerNotFound});
    }
    log.Note("Installing from " + installer.instfrom.Caption() + " beside Winamp in " +
             installer.wnpdir.Caption());
    FillFromCommandLine(installer, options);
    show();
    installer.Command1.Click();
    if (installer.Command1.Caption() != kExitCaption)
        return Finish(log, {"The install refused its fields: nothing installed", kExitRefused});
    return Finish(log, InstallerEnd(installer, log));
}

}  // namespace qlr
