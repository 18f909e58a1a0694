#include <gtest/gtest.h>

#include <cmath>

#include "common/Paths.h"
#include "fakes/FakeInstallerServices.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFilez.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeWindowSystem.h"
#include "installer/ui/Installer.h"

namespace qlr {
namespace {

using namespace test;

const char kCommand[] = "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"";
const char kNotDetected[] =
    "Winamp Directory Could Not Be Detected. Do You Have Winamp Installed ? If You Do, Please "
    "Install A Newer Version ! (Try Versions Above 1.7)";

class InstallerStartup : public ::testing::Test {
protected:
    InstallerStartup() { files.currentDirectory = "D:\\KIT"; }

    // Runs start-up; true when it ended the program.
    bool Load() {
        try {
            installer.Form_Load();
            return false;
        } catch (const ProgramEnded&) {
            return true;
        }
    }
    void PlayerRunning() { windows.windows["Winamp v1.x"] = 0x1234; }

    FakeInstallerServices fakes;
    FakeWindowSystem& windows = fakes.windows;
    FakeFileSystem& files = fakes.files;
    FakeRegistry& registry = fakes.registry;
    FakeClock& clock = fakes.clock;
    FakeIniFilez& ini = fakes.ini;
    FakeShell& shell = fakes.shell;
    Installer installer{fakes.Services()};
};

TEST_F(InstallerStartup, ProposesTheInstallDirectoryBelowThePlayer) {
    registry.SetString(kPlayerCommandKey, kCommand);
    EXPECT_FALSE(Load());
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_EQ(installer.wnpdir.Caption(), "C:\\Program Files\\Winamp");
    EXPECT_EQ(installer.Text1.Text(), "C:\\Program Files\\Winamp\\qlr111");
    EXPECT_EQ(installer.instfrom.Caption(), "D:\\KIT");
    EXPECT_EQ(installer.Text2.Text(), "");
    // No player window: the close request goes nowhere.
    EXPECT_EQ(windows.log, (std::vector<std::string>{"find:Winamp v1.x", "find:Winamp v1.x", "close:0"}));
}

TEST_F(InstallerStartup, RunningPlayerAnsweredNoEndsBeforeAnythingElse) {
    PlayerRunning();
    registry.SetString(kPlayerCommandKey, kCommand);
    windows.answers = {kIdNo};
    EXPECT_TRUE(Load());
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text,
              "Winamp Was Found Running And Needs To Be Closed To Install QLR. Close Winamp Now ?");
    EXPECT_EQ(windows.boxes[0].title, "QLR Installer");
    EXPECT_EQ(windows.boxes[0].style, 0x24u);
    EXPECT_EQ(windows.log.back(), "end");
    EXPECT_EQ(registry.queries, 0);
    EXPECT_EQ(installer.instfrom.Caption(), "");
    EXPECT_EQ(installer.Text1.Text(), "Winamp Directory");
}

TEST_F(InstallerStartup, RunningPlayerAnsweredYesIsClosedBeforeTheRegistryRead) {
    PlayerRunning();
    registry.SetString(kPlayerCommandKey, kCommand);
    windows.answers = {kIdYes};
    EXPECT_FALSE(Load());
    EXPECT_EQ(windows.log, (std::vector<std::string>{"find:Winamp v1.x", "box:QLR Installer",
                                                     "find:Winamp v1.x", "close:4660"}));
    EXPECT_EQ(registry.queries, 1);
    EXPECT_EQ(installer.wnpdir.Caption(), "C:\\Program Files\\Winamp");
}

TEST_F(InstallerStartup, MissingOrUncuttableCommandReportsAndEnds) {
    struct Case {
        const char* name;
        std::string data;
        std::uint32_t type;
    };
    const Case cases[] = {
        {"absent", "", 0},
        {"17 characters", std::string(17, 'x') + '\0', kRegSz},
        {"empty", std::string(1, '\0'), kRegSz},
        {"number", std::string("\x07\0\0\0", 4), kRegDword},
        {"NUL early", std::string("\"C:\\W\0inamp\\winamp.exe\" \"%1\"") + '\0', kRegSz},
        {"stored Not Found", std::string("Not Found") + '\0', kRegSz},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindowSystem windows;
        FakeRegistry registry;
        if (c.type) registry.Set(kHkeyClassesRoot, kPlayerCommandKey, "", c.type, c.data);
        Installer installer{{windows, files, registry, clock, ini, shell}};
        EXPECT_THROW(installer.Form_Load(), ProgramEnded);
        ASSERT_EQ(windows.boxes.size(), 1u);
        EXPECT_EQ(windows.boxes[0].text, kNotDetected);
        EXPECT_EQ(windows.boxes[0].title, "Could Not Detect Winamp Dir");
        EXPECT_EQ(windows.boxes[0].style, 0x10u);
        EXPECT_EQ(installer.wnpdir.Caption(), "");
    }
}

TEST_F(InstallerStartup, TheDirectoryComesFromTheProgramPathOrElseTheCutByPosition) {
    struct Case {
        std::string data;
        const char* wnpdir;
    };
    const Case cases[] = {
        {std::string(18, 'x'), ""},  // 18 characters: an empty directory, proposal "\qlr111"
        {"C:\\Winamp\\winamp.exe\" \"%1\"", "C:\\Winamp"},
        {"C:\\Program Files\\Winamp\\winamp.exe \"%1\"", "C:\\Program Files\\Winamp"},
        // A value is cut at a NUL inside it before the cut by position.
        {std::string(kCommand) + std::string("\0trailing junk", 14), "C:\\Program Files\\Winamp"},
        {"\"E:\\winamp.exe\" \"%1\"", "E:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        FakeWindowSystem windows;
        FakeRegistry registry;
        registry.SetString(kPlayerCommandKey, c.data);
        Installer installer{{windows, files, registry, clock, ini, shell}};
        EXPECT_NO_THROW(installer.Form_Load());
        EXPECT_TRUE(windows.boxes.empty());
        EXPECT_EQ(installer.wnpdir.Caption(), c.wnpdir);
        EXPECT_EQ(installer.Text1.Text(), std::string(c.wnpdir) + "\\qlr111");
    }
}

TEST_F(InstallerStartup, ExitAsksAndEndsOnlyOnYes) {
    registry.SetString(kPlayerCommandKey, kCommand);
    ASSERT_FALSE(Load());
    windows.answers = {kIdNo, kIdYes};
    installer.Command2.Click();
    EXPECT_EQ(windows.log.back(), "box:QLR Installer");
    EXPECT_EQ(windows.boxes.back().text, "Quit QLR Installer ?");
    EXPECT_EQ(windows.boxes.back().style, 0x24u);
    EXPECT_THROW(installer.Command2.Click(), ProgramEnded);
}

TEST_F(InstallerStartup, PauseHandlesEventsUntilTheTimeHasPassed) {
    std::vector<double> seen;
    windows.onEvents = [&](std::uint32_t wait) {
        seen.push_back(clock.now);
        EXPECT_GE(wait, 1u);
        EXPECT_LE(wait, 1001u);
        clock.now += 400;
    };
    clock.now = 86'399'000;  // a pause started a second before midnight still ends
    installer.Pause(1500);
    EXPECT_EQ(seen.size(), 4u);  // 0, 400, 800, 1200 ms elapsed; 1600 ends it
    EXPECT_EQ(windows.waits.front(), 1001u);
    EXPECT_EQ(windows.waits.back(), 301u);

    windows.onEvents = [&](std::uint32_t) { clock.now += 1; };
    windows.waits.clear();
    installer.Pause(0);
    installer.Pause(-5);
    installer.Pause(std::nan(""));
    EXPECT_EQ(windows.waits.size(), 2u);  // Pause(0) and the NaN pause handle events once each
}

}  // namespace
}  // namespace qlr
