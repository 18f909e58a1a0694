#include <gtest/gtest.h>

#include "common/RecordedWindowSystem.h"
#include "common/SwitchedRun.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeWindowSystem.h"

namespace qlr {
namespace {

using namespace test;

// A program that knows only the shared switches.
RunOptions Options(const std::string& commandLine) {
    RunOptions options;
    ReadSwitches(commandLine, options,
                 [&options](const Switch& option) { options.Refuse(option.text + ": no such switch"); });
    return options;
}

TEST(SwitchedRun, RefusalsAndHelpShowTheUsageOnlyWhereSomeoneCanCloseIt) {
    struct Case {
        const char* line;
        bool boxShown;
        int exitCode;
    };
    const Case cases[] = {
        {"p.exe /QUIET", true, kExitRefused},
        {"p.exe /VERYSILENT /QUIET", false, kExitRefused},
        {"p.exe /?", true, kExitDone},
        {"p.exe /SILENT /HELP", false, kExitRefused},  // it did nothing it was started for: not 0
    };
    for (const Case& c : cases) {
        FakeWindowSystem screen;
        FakeLogOutput output;
        RunLog log(output, "run.log");
        const RunOptions options = Options(c.line);
        RecordedWindowSystem windows(screen, log, options.Unattended());
        EXPECT_EQ(RefuseOrHelp(options, "p.exe [/SILENT]", "P", windows, log), c.exitCode) << c.line;
        EXPECT_EQ(screen.boxes.size(), c.boxShown ? 1u : 0u) << c.line;
        const std::vector<std::string> lines = output.Lines("run.log");
        ASSERT_EQ(lines.size(), 2u) << c.line;  // the box, then the end
        EXPECT_NE(lines[0].find("p.exe [/SILENT]"), std::string::npos) << lines[0];
    }
    FakeWindowSystem screen;
    FakeLogOutput output;
    RunLog log(output, "");
    RecordedWindowSystem windows(screen, log, false);
    EXPECT_EQ(RefuseOrHelp(Options("p.exe /LOG=x.log"), "usage", "P", windows, log), std::nullopt);
}

}  // namespace
}  // namespace qlr
