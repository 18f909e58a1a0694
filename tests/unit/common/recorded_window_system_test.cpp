#include <gtest/gtest.h>

#include "common/RecordedWindowSystem.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeWindowSystem.h"

namespace qlr {
namespace {

// At the window, boxes are shown and logged, and the run ends before the program. (Unattended:
// unattended_install_test.cpp.)
TEST(RecordedWindowSystem, AtTheWindowBoxesAreShownAndLoggedAndTheRunEndsBeforeTheProgram) {
    test::FakeWindowSystem screen;
    screen.answers = {kIdNo};
    test::FakeLogOutput output;
    RunLog log(output, "run.log");
    struct : RunEndHook {
        RunLog* log;
        void BeforeEnd() override { log->End("ended", 0); }
    } ending;
    ending.log = &log;
    RecordedWindowSystem windows(screen, log, false, kIdYes);
    windows.beforeEnd = &ending;
    EXPECT_EQ(windows.MsgBox("Quit ?", "QLR Installer", kMbYesNo | kMbIconQuestion), kIdNo);
    EXPECT_THROW(windows.EndProgram(), test::ProgramEnded);
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{"note   Message box \"QLR Installer\": Quit ? (answered No)",
                                                        "end    ended (exit code 0)"}));
}

}  // namespace
}  // namespace qlr
