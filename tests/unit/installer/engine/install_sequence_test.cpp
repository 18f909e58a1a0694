#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeInstallerServices.h"
#include "fakes/RecordingControlView.h"
#include "common/Paths.h"
#include "installer/engine/InstallSequence.h"
#include "installer/ui/Installer.h"

namespace qlr {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

const char* const kKitFiles[] = {"_setup.qlr",   "_isdel.qlr",   "comdlg32.dll", "comdlg32.ocx",
                                 "comdlg32.dep", "comdlg32.oca", "msvbvm60.dll", "out_ds_ssrc.dl_",
                                 "in_line.dl_"};

// The install on the main window's own controls; a recording view attached to them logs each
// change as the window would show it, in one log with the message boxes and the pause.
class InstallSequence : public ::testing::Test {
protected:
    InstallSequence() {
        for (const char* dir : {"D:\\", "D:\\KIT", "C:\\Winamp", "C:\\Winamp\\plugins", "C:\\WINDOWS",
                                "C:\\WINDOWS\\SYSTEM"})
            files.AddDirectory(dir);
        for (const char* name : kKitFiles) files.AddFile(std::string("D:\\KIT\\") + name, name);
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
    }

    // A fresh main window holding the four inputs; its changes are logged from here on.
    void Fill(const std::string& text1, const std::string& text2, const std::string& source,
              const std::string& player) {
        installer = std::make_unique<Installer>(fakes.Services());
        installer->Text1.SetText(text1);
        installer->Text2.SetText(text2);
        installer->instfrom.SetCaption(source);
        installer->wnpdir.SetCaption(player);
        log.clear();
        windows.boxes.clear();
        recorder.AttachTo(*installer);
    }
    // One click; true when it ended the program.
    bool Click() {
        InstallWindow window = installer->InstallControls();
        window.Pause = [this](double ms) { log.push_back("pause " + std::to_string(int(ms))); };
        try {
            RunInstall(window, {files, ini, shell});
            return false;
        } catch (const ProgramEnded&) {
            return true;
        }
    }
    // The text or caption of the main window's control of that name.
    std::string Get(const std::string& name) const {
        for (const forms::Control* control : installer->Controls())
            if (control->Name() == name) return RecordingControlView::TextOf(*control);
        return "<no such control>";
    }
    Strings Copies() const {
        Strings copies;
        for (const std::string& entry : files.log)
            if (entry.rfind("copy ", 0) == 0) copies.push_back(entry);
        return copies;
    }
    std::string Content(const std::string& path) { return files.Read(path).value_or("<missing>"); }

    FakeInstallerServices fakes;
    FakeWindowSystem& windows = fakes.windows;
    FakeFileSystem& files = fakes.files;
    FakeIniFilez& ini = fakes.ini;
    FakeShell& shell = fakes.shell;
    Strings& log = fakes.windows.log;
    RecordingControlView recorder{fakes.windows.log};
    std::unique_ptr<Installer> installer;
};

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

TEST_F(InstallSequence, AnExistingInstallDirectoryIsNoFailureAMissingParentIs) {
    files.AddDirectory("C:\\Winamp\\qlr111");
    files.AddFile("C:\\Winamp\\qlr111\\qlr111.exe", "older scheduler");
    EXPECT_FALSE(Click());
    EXPECT_EQ(Get("Text1"), "Quillora Installed !");
    EXPECT_EQ(Content("C:\\Winamp\\qlr111\\qlr111.exe"), "_setup.qlr");

    Fill("D:\\Gone\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
    EXPECT_FALSE(Click());
    EXPECT_EQ(Get("Text1"), "Quillora Installed With Errors !");
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 5]");  // the directory, three copies, the link
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text,
              "Make directory D:\\Gone\\qlr111 (error 3)\r\n"
              "Copy _setup.qlr to D:\\Gone\\qlr111\\qlr111.exe (error 3)\r\n"
              "Copy _isdel.qlr to D:\\Gone\\qlr111\\qlr_remover.exe (error 3)\r\n"
              "Copy comdlg32.dll to D:\\Gone\\qlr111\\comdlg32.dll (error 3)\r\n"
              "Create shortcut Quillora on the desktop (the program was not installed)");
    // The shortcut of the first install was left as it was.
    EXPECT_EQ(shell.links["C:\\Users\\dj\\Desktop\\Quillora.lnk"].target,
              "C:\\Winamp\\qlr111\\qlr111.exe");
    // The rest of the install still happened.
    EXPECT_EQ(Content("C:\\WINDOWS\\SYSTEM\\msvbvm60.dll"), "msvbvm60.dll");
    EXPECT_EQ(Content("C:\\Winamp\\plugins\\IN_LINE.DLL"), "in_line.dl_");
    EXPECT_EQ(Content("C:\\Winamp\\setback.ini"), "0\r\n0\r\n");
}

TEST_F(InstallSequence, TheEndTellsWhatFailedInTheDoneState) {
    files.RemoveFile("D:\\KIT\\in_line.dl_");
    EXPECT_FALSE(Click());
    EXPECT_EQ(Get("Text1"), "Quillora Installed With Errors !");
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 1]");
    Strings end(log.end() - 7, log.end());
    EXPECT_EQ(end, (Strings{"Text1=Quillora Installed With Errors !", "Text2=[Steps Failed : 1]",
                            "Command2 off", "Command2=Done Installing", "Command1=E&xit",
                            "Command1 on", "box:QLR 1.10 Installer"}));
    EXPECT_FALSE(installer->Command3.Enabled());
    EXPECT_FALSE(installer->Command4.Enabled());
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text, "Copy in_line.dl_ to C:\\Winamp\\plugins\\IN_LINE.DLL (error 2)");
    EXPECT_EQ(windows.boxes[0].title, "QLR 1.10 Installer");
    EXPECT_EQ(windows.boxes[0].style, 0x10u);
    EXPECT_EQ(Content("C:\\Winamp\\plugins\\OUT_DS_SSRC.DLL"), "out_ds_ssrc.dl_");
    EXPECT_FALSE(files.IsFile("C:\\Winamp\\plugins\\IN_LINE.DLL"));
}

TEST_F(InstallSequence, NoShortcutIsMadeToAProgramThatIsNotAtItsTarget) {
    files.RemoveFile("D:\\KIT\\_setup.qlr");
    EXPECT_FALSE(Click());
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 2]");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text,
              "Copy _setup.qlr to C:\\Winamp\\qlr111\\qlr111.exe (error 2)\r\n"
              "Create shortcut Quillora on the desktop (the program was not installed)");
    EXPECT_TRUE(shell.links.empty());
    EXPECT_EQ(Content("C:\\Winamp\\qlr111\\qlr_remover.exe"), "_isdel.qlr");  // the rest went on

    // A program left at its target by an earlier install still gets its shortcut.
    Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
    files.AddFile("C:\\Winamp\\qlr111\\qlr111.exe", "earlier scheduler");
    EXPECT_FALSE(Click());
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 1]");
    EXPECT_EQ(shell.links.count("C:\\Users\\dj\\Desktop\\Quillora.lnk"), 1u);
}

TEST_F(InstallSequence, AMissingPlayerDirectoryIsReportedAsTenLinesAndTheRestCounted) {
    Fill("D:\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "E:\\Winamp");
    ini.failingFiles = {"e:\\winamp\\winamp.ini"};
    EXPECT_FALSE(Click());
    // Two plug-ins, five configuration files, 23 settings.
    EXPECT_EQ(Get("Text2"), "[Steps Failed : 30]");
    ASSERT_EQ(windows.boxes.size(), 1u);
    const std::string& text = windows.boxes[0].text;
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "Copy out_ds_ssrc.dl_ to E:\\Winamp\\plugins\\OUT_DS_SSRC.DLL (error 3)");
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), "... and 20 more");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
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
