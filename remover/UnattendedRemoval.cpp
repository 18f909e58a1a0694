#include "remover/UnattendedRemoval.h"

namespace qlr::remover {

const char kRemoverUsage[] =
    "qlr_remover.exe [/SILENT | /VERYSILENT] [/LOG=\"file\"]\r\n"
    "\r\n"
    "Removes Quillora as \"Yes\" does, without asking. Start it in the install directory.\r\n"
    "/SILENT: shows the window while it works. /VERYSILENT: shows nothing at all.\r\n"
    "/LOG: appends every file deleted or kept to the file.\r\n"
    "\r\n"
    "Exit codes: 0 every file of the removal is gone; 1 some could not be deleted (see the "
    "log); 2 command line refused, nothing changed.";

RunOptions ParseRemoverOptions(const std::string& commandLine) {
    RunOptions options;
    for (const Switch& option : ReadRunSwitches(commandLine, options))
        options.Refuse(option.text + ": no such switch");
    return options;
}

RunEnd RemoverEnd(const Form1& form, const RunLog& log) {
    if (form.Command2.Caption() != kExitCaption) return {"Ended without removing", kExitDone};
    return {form.Label1.Caption(), log.Failures() == 0 ? kExitDone : kExitFailedSteps};
}

int RunUnattendedRemoval(Form1& form, RunLog& log, const std::function<void()>& show) {
    form.Form_Load();
    log.Note(form.Label3.Caption() + ", " + form.Label2.Caption());
    show();
    form.Command2.Click();
    return Finish(log, RemoverEnd(form, log));
}

}  // namespace qlr::remover
