#include "remover/UnattendedRemoval.h"

#include "common/Paths.h"

namespace qlr::remover {

using namespace std::literals;

const char kRemoverUsage[] =
    "qlr_remover.exe [/SILENT | /VERYSILENT] [/LOG=\"file\"]\r\n\r\n"
    "Started in the install directory, removes Quillora as \"Yes\" does, without asking.\r\n\r\n"
    "Exit codes:\r\n"
    "0  every file of the removal is gone\r\n"
    "1  some could not be deleted (see the log)\r\n"
    "2  command line refused, nothing changed";

RunOptions ParseRemoverOptions(const std::string& commandLine) {
    RunOptions options;
    ReadSwitches(commandLine, options,
                 [&options](const Switch& option) { options.Refuse(option.text + ": no such switch"); });
    return options;
}

RunEnd RemoverEnd(const Form1& form, const RunLog& log) {
    if (form.Command2.Caption() != kExitCaption) return {"Ended without removing", kExitDone};
    return {form.Label1.Caption(), log.Failures() == 0 ? kExitDone : kExitFailedSteps};
}

void StartUnattendedRemoval(Form1& form, RunLog& log) {
    form.Form_Load();
    log.Note({form.Label3.Caption(), ", "sv, form.Label2.Caption()});
}

int FinishUnattendedRemoval(Form1& form, RunLog& log) {
    form.Command2.Click();
    return Finish(log, RemoverEnd(form, log));
}

}  // namespace qlr::remover
