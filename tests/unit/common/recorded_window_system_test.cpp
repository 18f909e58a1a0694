#include <gtest/gtest.h>

#include "common/RecordedWindowSystem.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeWindowSystem.h"

namespace qlr {
namespace {

using namespace test;

TEST(RecordedWindowSystem, AtTheWindowBoxesAreShownAndTheEndComesBeforeTheProgramEnds) {
    FakeWindowSystem screen;
    screen.answers = {kIdNo};
    FakeLogOutput output;
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
    EXPECT_THROW(windows.EndProgram(), ProgramEnded);
    EXPECT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(output.Lines("run.log"),
              (std::vector<std::string>{
                  "2026-12-07 09:05:03 note   Message box \"QLR Installer\": Quit QLR Installer ? (answered No)",
                  "2026-12-07 09:05:03 end    ended (exit code 0)"}));
}

}  // namespace
}  // namespace qlr
