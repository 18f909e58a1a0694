#include <gtest/gtest.h>

#include "common/RecordedWindowSystem.h"
#include "fakes/FakeLogOutput.h"
#include "remover/RemoverTest.h"
#include "remover/UnattendedRemoval.h"

namespace qlr::remover {
namespace {

using namespace test;

TEST_F(Remover, UnattendedRemovesAsYesDoesShowsNothingAndSaysWhetherAllWentInItsExitCodeAndLog) {
    registry.SetString(kPlayerCommandKey, kCommand);
    files.AddFile(std::string(kPlayerDir) + "\\job7.day", "x", /*readOnly=*/true);
    FakeLogOutput output;
    auto remove = [&] {
        RunLog log(output, "run.log");
        RecordedWindowSystem unattended(windows, log, true);
        Form1 form({unattended, files, registry, &log});
        StartUnattendedRemoval(form, log);
        return FinishUnattendedRemoval(form, log);
    };
    EXPECT_EQ(remove(), kExitFailedSteps);
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{
                                  "note   Found QLR In : " + std::string(kInstallDir) + ", Found Winamp In : " + kPlayerDir,
                                  "FAILED Delete C:\\Program Files\\Winamp\\job7.day (error 5: Access is denied.)",
                                  "note   Message box \"QLR Remover\": C:\\Program Files\\Winamp\\job7.day (answered OK)",
                                  "end    Some QLR Files Could Not Be Erased ! (exit code 1)"}));
    files.Find(std::string(kPlayerDir) + "\\job7.day")->readOnly = false;
    EXPECT_EQ(remove(), kExitDone);
    EXPECT_EQ(output.Lines().back(), "end    " + std::string(kAllErased) + " (exit code 0)");
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(ParseRemoverOptions("qlr_remover.exe /SILENT /PLAYLIST=D:\\a.m3u").refusal,
              "/PLAYLIST=D:\\a.m3u: no such switch");
}

}  // namespace
}  // namespace qlr::remover
