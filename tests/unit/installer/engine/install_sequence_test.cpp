#include <gtest/gtest.h>

#include "common/Paths.h"
#include "installer/engine/InstallSequenceTest.h"

namespace qlr {
namespace {

using namespace test;

TEST_F(InstallSequence, RunsFromTheFieldsToTheDoneStateInTheFixedOrder) {
    EXPECT_FALSE(Click());
    EXPECT_EQ(log, (Strings{
                            "Text1 read-only", "Text2 read-only", "Command1 off",
                            "Label4=Status :", "Text1=Installing ...", "Text2=[Copying Files]",
                            "Label5=Details :", "Command4 off", "Command3 off", "pause 1500",
                            "Text2=[Writing Program Configuration]",
                            "Text1=Quillora Installed !", "Text2=[All Done]",
                            // the browse buttons are off since the copying began
                            "Command2 off", "Command2=Done Installing", "Command1=E&xit",
                            "Command1 on"}));
    EXPECT_FALSE(installer->Command3.Enabled());
    EXPECT_FALSE(installer->Command4.Enabled());
    EXPECT_TRUE(windows.boxes.empty());

    EXPECT_EQ(Copies(), (Strings{
        "copy D:\\KIT\\_setup.qlr -> C:\\Winamp\\qlr111\\qlr111.exe",
        "copy D:\\KIT\\_isdel.qlr -> C:\\Winamp\\qlr111\\qlr_remover.exe",
        "copy D:\\KIT\\comdlg32.dll -> C:\\Winamp\\qlr111\\comdlg32.dll",
        "copy D:\\KIT\\comdlg32.dll -> C:\\WINDOWS\\SYSTEM\\comdlg32.dll",
        "copy D:\\KIT\\comdlg32.ocx -> C:\\WINDOWS\\SYSTEM\\comdlg32.ocx",
        "copy D:\\KIT\\comdlg32.dep -> C:\\WINDOWS\\SYSTEM\\comdlg32.dep",
        "copy D:\\KIT\\comdlg32.oca -> C:\\WINDOWS\\SYSTEM\\comdlg32.oca",
        "copy D:\\KIT\\msvbvm60.dll -> C:\\WINDOWS\\SYSTEM\\msvbvm60.dll",
        "copy D:\\KIT\\out_ds_ssrc.dl_ -> C:\\Winamp\\plugins\\OUT_DS_SSRC.DLL",
        "copy D:\\KIT\\in_line.dl_ -> C:\\Winamp\\plugins\\IN_LINE.DLL"}));
    EXPECT_EQ(Content("C:\\Winamp\\qlr111\\qlr111.exe"), "_setup.qlr");
    EXPECT_EQ(Content("C:\\Winamp\\plugins\\IN_LINE.DLL"), "in_line.dl_");
    EXPECT_EQ(Content("C:\\Winamp\\deflist.fil"), "D:\\Lists\\main.m3u\r\n");
    EXPECT_EQ(ini.Value("C:\\Winamp\\winamp.ini", "OUT_DS_SSRC", "cfg_total_time"), "779567");

    ASSERT_EQ(shell.links.count("C:\\Users\\dj\\Desktop\\Quillora.lnk"), 1u);
    const Shortcut& link = shell.links["C:\\Users\\dj\\Desktop\\Quillora.lnk"];
    EXPECT_EQ(link.target, "C:\\Winamp\\qlr111\\qlr111.exe");
    EXPECT_EQ(link.iconPath, "C:\\Winamp\\qlr111\\qlr111.exe");
    EXPECT_EQ(link.workingDirectory, "C:\\Winamp");
    EXPECT_EQ(link.hotKey, 0x0357);
}

TEST_F(InstallSequence, DoneButtonEndsTheProgramAtOnce) {
    ASSERT_FALSE(Click());
    log.clear();
    files.log.clear();
    EXPECT_TRUE(Click());
    EXPECT_EQ(log, (Strings{"end"}));
    EXPECT_TRUE(files.log.empty());
}

TEST_F(InstallSequence, FieldChecksComeFirstAndChangeNothing) {
    const char kNoList[] =
        "You Must Specify A Default Playlist Or \"Quillora\" Will Not Work. If You Don't Have A "
        "Default List Yet Quit This Installer, Create One And Try Again.";
    const struct {
        const char* text1;
        const char* text2;
        const char* title;  // the box shown, or nullptr when the install runs
    } cases[] = {
        {"C:\\Winamp\\qlr111", "D:\\a.m", "No Default List"},   // 6 characters
        {"", "", "No Default List"},                            // both empty: only this box
        {"C:", "D:\\a.m3", "QLR 1.10 Installer"},               // 2 characters
        {"C:\\", "D:\\a.m3", nullptr},                          // 3 and 7 characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text1) + " / " + c.text2);
        Fill(c.text1, c.text2, "D:\\KIT", "C:\\Winamp");
        files.log.clear();
        EXPECT_FALSE(Click());
        if (!c.title) {
            EXPECT_EQ(Get("Command1"), "E&xit");
            EXPECT_EQ(Content("C:\\qlr111.exe"), "_setup.qlr");
            continue;
        }
        ASSERT_EQ(windows.boxes.size(), 1u);
        EXPECT_EQ(windows.boxes[0].title, c.title);
        EXPECT_EQ(windows.boxes[0].text, std::string(c.title) == "No Default List"
                                          ? kNoList
                                          : "You Must Specify A Directory To Install In !");
        EXPECT_EQ(windows.boxes[0].style, 0x10u);
        EXPECT_EQ(log, (Strings{std::string("box:") + c.title}));
        EXPECT_TRUE(files.log.empty());
        EXPECT_EQ(Get("Text2"), c.text2);
    }
}

TEST_F(InstallSequence, EveryBaseGetsExactlyOneBackslash) {
    Fill("C:\\Winamp\\qlr111\\", "D:\\Lists\\main.m3u", "D:\\KIT\\", "C:\\Winamp\\");
    ini.systemDirectory = "C:\\WINDOWS\\SYSTEM\\";
    EXPECT_FALSE(Click());
    EXPECT_TRUE(windows.boxes.empty());
    for (const std::string& entry : files.log) {
        std::string paths = entry.substr(entry.find(' ') + 1);
        EXPECT_EQ(paths.find("\\\\"), std::string::npos) << entry;
    }
    EXPECT_EQ(Copies().front(), "copy D:\\KIT\\_setup.qlr -> C:\\Winamp\\qlr111\\qlr111.exe");
    EXPECT_EQ(Copies()[3], "copy D:\\KIT\\comdlg32.dll -> C:\\WINDOWS\\SYSTEM\\comdlg32.dll");
    EXPECT_TRUE(files.IsFile("C:\\Winamp\\hvr.ini"));
    EXPECT_EQ(ini.writes.back(), "OUT_DS_SSRC|cfg_total_time|779567|C:\\Winamp\\winamp.ini");
    // The shortcut's working directory is the player's directory as the window holds it.
    EXPECT_EQ(shell.links.begin()->second.workingDirectory, "C:\\Winamp\\");
}

TEST_F(InstallSequence, WithoutSystemDirectoryTheSharedFilesGoToTheInstallDirectory) {
    ini.systemDirectory.reset();
    EXPECT_FALSE(Click());
    EXPECT_EQ(Copies()[4], "copy D:\\KIT\\comdlg32.ocx -> C:\\Winamp\\qlr111\\comdlg32.ocx");
    EXPECT_EQ(Content("C:\\Winamp\\qlr111\\msvbvm60.dll"), "msvbvm60.dll");
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 1]");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text, "Find the System directory (error 87)");
}

TEST_F(InstallSequence, ANewerSharedFileInTheSystemDirectoryIsKept) {
    const struct {
        const char* name;
        std::optional<FileVersion> shipped, present;
        bool replaced;
    } cases[] = {
        {"present newer", FileVersion{{6, 0, 98, 0}}, FileVersion{{6, 1, 0, 0}}, false},
        {"present older", FileVersion{{6, 1, 0, 0}}, FileVersion{{6, 0, 98, 0}}, true},
        {"same version", FileVersion{{6, 0, 0, 0}}, FileVersion{{6, 0, 0, 0}}, true},
        {"no versions", std::nullopt, std::nullopt, true},
        {"only present has one", std::nullopt, FileVersion{{6, 0, 0, 0}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
        files.AddFile("C:\\WINDOWS\\SYSTEM\\msvbvm60.dll", "system copy");
        files.Find("C:\\WINDOWS\\SYSTEM\\msvbvm60.dll")->version = c.present;
        files.Find("D:\\KIT\\msvbvm60.dll")->version = c.shipped;
        files.AddFile("C:\\Winamp\\qlr111\\msvbvm60.dll", "not a system file");
        EXPECT_FALSE(Click());
        EXPECT_EQ(Content("C:\\WINDOWS\\SYSTEM\\msvbvm60.dll"), c.replaced ? "msvbvm60.dll" : "system copy");
        EXPECT_EQ(Get("Text1"), "Quillora Installed !");  // kept counts as done
    }
}

TEST(InstallerWindow, InstallButtonInstallsThenEndsTheProgram) {
    FakeInstallerServices fakes;
    auto& [windows, files, registry, clock, ini, shell] = fakes;
    files.AddDirectory("D:\\");
    files.AddDirectory("D:\\KIT");
    files.AddDirectory("C:\\Winamp");
    files.AddDirectory("C:\\Winamp\\plugins");
    files.AddDirectory("C:\\WINDOWS");
    files.AddDirectory("C:\\WINDOWS\\SYSTEM");
    for (const char* name : kKitFiles) files.AddFile(std::string("D:\\KIT\\") + name, name);
    files.currentDirectory = "D:\\KIT";
    registry.SetString(kPlayerCommandKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"");
    windows.onEvents = [&](std::uint32_t ms) { clock.now += ms; };
    Installer installer{fakes.Services()};
    installer.Form_Load();
    installer.Text2.TextEditedByUser("D:\\Lists\\main.m3u");

    installer.Command1.Click();
    EXPECT_GE(clock.now, 1500);  // the pause ran on the window's clock
    EXPECT_TRUE(installer.Text1.ReadOnly());
    EXPECT_TRUE(installer.Text2.ReadOnly());
    EXPECT_EQ(installer.Label4.Caption(), "Status :");
    EXPECT_EQ(installer.Text1.Text(), "Quillora Installed !");
    EXPECT_EQ(installer.Text2.Text(), "[All Done]");
    EXPECT_EQ(installer.Command2.Caption(), "Done Installing");
    EXPECT_FALSE(installer.Command2.Enabled());
    EXPECT_FALSE(installer.Command3.Enabled());
    EXPECT_FALSE(installer.Command4.Enabled());
    EXPECT_EQ(installer.Command1.Caption(), "E&xit");
    EXPECT_TRUE(files.IsFile("C:\\Winamp\\qlr111\\qlr111.exe"));
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_THROW(installer.Command1.Click(), ProgramEnded);
}

}  // namespace
}  // namespace qlr
