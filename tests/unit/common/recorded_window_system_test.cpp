#include <gtest/gtest.h>

#include "common/RecordedWindowSystem.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeWindowSystem.h"

namespace qlr {
namespace {

TEST(RecordedWindowSystem, AtTheWindowBoxesAreShownAndLoggedAndTheRunEndsBeforeTheProgram) {
    test::FakeWindowSystem screen;
    screen.answers = {kIdNo};
    test::FakeLogOutput output;
    RunLog log(output, "run.log");
    RecordedWindowSystem windows(screen, log, false, kIdYes);
    struct : RunEndHook {
        RunLog* log;
        void BeforeEnd() override { log->End("ended", 0); }
    } ending;
    ending.log = &log;
    windows.beforeEnd = &ending;
    EXPECT_EQ(windows.MsgBox("Quit QLR Installer ?", "QLR Installer", kMbYesNo | kMbIconQuestion), kIdNo);
    EXPECT_TRUE(windows.Declined());
    EXPECT_THROW(windows.EndProgram(), test::ProgramEnded);
    EXPECT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{
                                  "note   Message box \"QLR Installer\": Quit QLR Installer ? (answered No)",
                                  "end    ended (exit code 0)"}));
}

}  // namespace
}  // namespace qlr
