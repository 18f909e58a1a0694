#include <gtest/gtest.h>

#include "common/Paths.h"
#include "common/RecordedWindowSystem.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeWindowSystem.h"
#include "remover/UnattendedRemoval.h"

namespace qlr::remover {
namespace {

using namespace test;

TEST(UnattendedRemoval, RemovesAsYesDoesLogsWhatWasThereAndSaysWhetherAllWentInItsExitCode) {
    FakeWindowSystem screen;
    FakeFileSystem files;
    FakeRegistry registry;
    registry.SetString(kPlayerCommandKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"");
    files.AddDirectory("C:\\Winamp\\qlr111");
    files.currentDirectory = "C:\\Winamp\\qlr111";
    files.AddFile("C:\\Winamp\\hvr.ini", "x");
    files.AddFile("C:\\Winamp\\job7.day", "x", /*readOnly=*/true);
    files.AddFile("C:\\Winamp\\qlr111\\qlr111.exe", "x");
    FakeLogOutput output;
    for (int run = 1; run <= 2; ++run) {
        RunLog log(output, "run.log");
        RecordedWindowSystem windows(screen, log, true);
        Form1 form({windows, files, registry, &log});
        StartUnattendedRemoval(form, log);
        EXPECT_EQ(FinishUnattendedRemoval(form, log), run == 1 ? kExitFailedSteps : kExitDone);
        if (run == 1) files.Find("C:\\Winamp\\job7.day")->readOnly = false;  // for the second run
    }
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_FALSE(files.IsFile("C:\\Winamp\\qlr111\\qlr111.exe"));
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{
                                  "note   Found QLR In : C:\\Winamp\\qlr111, Found Winamp In : C:\\Winamp",
                                  "ok     Delete C:\\Winamp\\hvr.ini",
                                  "FAILED Delete C:\\Winamp\\job7.day (error 5: Access is denied.)",
                                  "ok     Delete C:\\Winamp\\qlr111\\qlr111.exe",
                                  "note   Message box \"QLR Remover\": C:\\Winamp\\job7.day (answered OK)",
                                  "end    Some QLR Files Could Not Be Erased ! (exit code 1)",
                                  "note   Found QLR In : C:\\Winamp\\qlr111, Found Winamp In : C:\\Winamp",
                                  "ok     Delete C:\\Winamp\\job7.day",
                                  "end    Erased All QLR Files and Configuration ! (exit code 0)"}));
    EXPECT_EQ(ParseRemoverOptions("qlr_remover.exe /SILENT /PLAYLIST=D:\\a.m3u").refusal,
              "/PLAYLIST=D:\\a.m3u: no such switch");
}

}  // namespace
}  // namespace qlr::remover
