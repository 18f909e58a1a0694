#include "installer/unattended/UnattendedInstall.h"

#include "common/Paths.h"
#include "installer/ui/WinampControl.h"

namespace qlr {

using namespace std::literals;

namespace {

// A player that has handled the close request may take its window down a moment later: it is
// given 20 waits of 100 ms (the run has no window yet, so no event ends a wait early).
bool PlayerGone(WindowSystem& windows) {
    for (int polls = 0; WinampControl::FindWinampWindow(windows) != 0; ++polls) {
        if (polls == 20) return false;
        windows.ProcessEvents(100);
    }
    return true;
}

}  // namespace

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
    // Start-up sends the close request and does not look again. A player that still runs writes
    // its own winamp.ini when it ends, over the settings the install would write.
    if (!PlayerGone(windows))
        return Finish(log, "Winamp did not close: nothing installed", kExitPlayerRunning);
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
