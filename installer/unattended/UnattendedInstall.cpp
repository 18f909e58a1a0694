#include "installer/unattended/UnattendedInstall.h"

#include "common/Paths.h"

namespace qlr {

using namespace std::literals;

RunEnd InstallerEnd(const Installer& installer, const RunLog& log) {
    if (installer.Command1.Caption() != kExitCaption) return {"Ended without installing", kExitDone};
    return {installer.Text1.Text() + ' ' + installer.Text2.Text(),
            log.Failures() == 0 ? kExitDone : kExitFailedSteps};
}

std::optional<int> StartUnattendedInstall(Installer& installer, RecordedWindowSystem& windows, RunLog& log) {
    try {
        installer.Form_Load();
    } catch (const RunEnded&) {
        if (windows.Declined())
            return Finish(log, "Winamp runs, no /CLOSEPLAYER: nothing installed",
                          kExitPlayerRunning);
        return Finish(log, "Winamp not found: nothing installed", kExitPlayerNotFound);
    }
    log.Note({"Installing from "sv, installer.instfrom.Caption(), " beside Winamp in "sv,
              installer.wnpdir.Caption()});
    return std::nullopt;
}

int FinishUnattendedInstall(Installer& installer, const InstallerOptions& options, RunLog& log) {
    if (!options.directory.empty()) installer.Text1.SetText(options.directory);
    installer.Text2.SetText(options.playlist);
    installer.Command1.Click();
    if (installer.Command1.Caption() != kExitCaption)
        return Finish(log, "Fields refused: nothing installed", kExitRefused);
    return Finish(log, InstallerEnd(installer, log));
}

}  // namespace qlr
