#include <gtest/gtest.h>

#include "common/RecordedWindowSystem.h"
#include "common/SwitchedRun.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeWindowSystem.h"

namespace qlr {
namespace {

TEST(SwitchedRun, RefusalsAndHelpShowTheUsageOnlyWhereSomeoneCanCloseIt) {
    const struct {
        const char* line;
        bool boxShown;
        std::optional<int> exitCode;
    } cases[] = {
        {"p.exe /QUIET", true, kExitRefused},
        {"p.exe /VERYSILENT /QUIET", false, kExitRefused},
        {"p.exe /?", true, kExitDone},
        {"p.exe /SILENT /HELP", false, kExitRefused},  // it did nothing it was started for: not 0
        {"p.exe /LOG=x.log", false, std::nullopt},     // the run goes on
    };
    for (const auto& c : cases) {
        RunOptions options;
        ReadSwitches(c.line, options, [&options](const Switch& s) { options.Refuse(s.text + ": no such switch"); });
        test::FakeWindowSystem screen;
        test::FakeLogOutput output;
        RunLog log(output, "run.log");
        RecordedWindowSystem windows(screen, log, options.Unattended());
        EXPECT_EQ(RefuseOrHelp(options, "p.exe [/SILENT]", "P", windows, log), c.exitCode) << c.line;
        EXPECT_EQ(screen.boxes.size(), c.boxShown ? 1u : 0u) << c.line;
        // The usage in the log, then the end.
        EXPECT_EQ(output.Lines().size(), c.exitCode ? 2u : 0u) << c.line;
        if (c.exitCode) EXPECT_NE(output.Lines()[0].find("p.exe [/SILENT]"), std::string::npos);
    }
}

}  // namespace
}  // namespace qlr
