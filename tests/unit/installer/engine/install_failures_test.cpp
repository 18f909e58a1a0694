#include <gtest/gtest.h>

#include "common/Paths.h"
#include "installer/engine/InstallSequenceTest.h"

namespace qlr {
namespace {

using namespace test;

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

}  // namespace
}  // namespace qlr
