#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "common/Paths.h"
#include "common/RecordedWindowSystem.h"
#include "fakes/FakeLogOutput.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeWindowSystem.h"
#include "remover/UnattendedRemoval.h"

namespace qlr::remover {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

TEST(UnattendedRemoval, RemovesAsYesDoesAndLogsWhatWasThere) {
    FakeWindowSystem screen;
    FakeFileSystem files;
    FakeRegistry registry;
    registry.SetString(kPlayerCommandKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"");
    files.AddDirectory("C:\\Winamp");
    files.AddDirectory("C:\\Winamp\\qlr111");
    files.currentDirectory = "C:\\Winamp\\qlr111";
    files.AddFile("C:\\Winamp\\hvr.ini", "x");
    files.AddFile("C:\\Winamp\\job7.day", "x", /*readOnly=*/true);
    files.AddFile("C:\\Winamp\\qlr111\\qlr111.exe", "x");
    FakeLogOutput output;
    RunLog log(output, "run.log");
    RecordedWindowSystem windows(screen, log, true);
    Form1 form({windows, files, registry, &log});
    StartUnattendedRemoval(form, log);
    EXPECT_EQ(FinishUnattendedRemoval(form, log), kExitFailedSteps);
    EXPECT_TRUE(screen.boxes.empty());
    EXPECT_FALSE(files.IsFile("C:\\Winamp\\hvr.ini"));
    EXPECT_FALSE(files.IsFile("C:\\Winamp\\qlr111\\qlr111.exe"));
    EXPECT_EQ(output.Lines("run.log"),
              (Strings{"2026-12-07 09:05:03 note   Found QLR In : C:\\Winamp\\qlr111, Found Winamp In : C:\\Winamp",
                       "2026-12-07 09:05:03 ok     Delete C:\\Winamp\\hvr.ini",
                       "2026-12-07 09:05:03 FAILED Delete C:\\Winamp\\job7.day (error 5: Access is denied.)",
                       "2026-12-07 09:05:03 ok     Delete C:\\Winamp\\qlr111\\qlr111.exe",
                       "2026-12-07 09:05:03 note   Message box \"QLR Remover\": C:\\Winamp\\job7.day (answered OK)",
                       "2026-12-07 09:05:03 end    Some QLR Files Could Not Be Erased ! (exit code 1)"}));

    // Once the last file can go, a second run ends with every file gone.
    files.Find("C:\\Winamp\\job7.day")->readOnly = false;
    RunLog second(output, "run.log");
    RecordedWindowSystem secondWindows(screen, second, true);
    Form1 again({secondWindows, files, registry, &second});
    StartUnattendedRemoval(again, second);
    EXPECT_EQ(FinishUnattendedRemoval(again, second), kExitDone);
    EXPECT_EQ(output.Lines("run.log").back(),
              "2026-12-07 09:05:03 end    Erased All QLR Files and Configuration ! (exit code 0)");
}

TEST(UnattendedRemoval, KnowsOnlyTheSharedSwitches) {
    EXPECT_EQ(ParseRemoverOptions("qlr_remover.exe /VERYSILENT /LOG=C:\\r.log").refusal, "");
    EXPECT_EQ(ParseRemoverOptions("qlr_remover.exe /SILENT /PLAYLIST=D:\\a.m3u").refusal,
              "/PLAYLIST=D:\\a.m3u: no such switch");
    EXPECT_FALSE(ParseRemoverOptions("qlr_remover.exe").switched);
}

}  // namespace
}  // namespace qlr::remover
