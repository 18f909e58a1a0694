// The install end to end: the real installer.exe, started from a kit directory beside a player
// directory, filled in and clicked through its main window; then every file it wrote is read back.
#include "InstallFixture.h"

namespace {

using namespace qlr::install_tests;

TEST_F(InstallE2E, InstallsEverythingAndAgainGivesTheSameFiles) {
    driver::Process installer = Install();
    EXPECT_FALSE(report_) << report_->text;
    EXPECT_EQ(driver::ControlText(window_, ids::Text1), "Quillora Installed !");
    EXPECT_EQ(driver::ControlText(window_, ids::Text2), "[All Done]");
    EXPECT_EQ(driver::ControlText(window_, ids::Label4), "Status :");
    EXPECT_EQ(driver::ControlText(window_, ids::Label5), "Details :");
    EXPECT_EQ(driver::ControlText(window_, ids::Command2), "Done Installing");
    EXPECT_FALSE(IsWindowEnabled(driver::Control(window_, ids::Command2)));
    EXPECT_FALSE(IsWindowEnabled(driver::Control(window_, ids::Command3)));
    EXPECT_FALSE(IsWindowEnabled(driver::Control(window_, ids::Command4)));
    Exit(installer);

    ExpectCopies();
    ExpectConfiguration();
    ExpectSettings();
    ExpectShortcut();
    const std::string firstIni = ReadBytes(player_ + "\\winamp.ini");

    // Over the first install: the directory exists, every file is replaced with the same bytes.
    WriteBytes(player_ + "\\hvr.ini", "[Heavy]\r\nno=5\r\n");
    driver::Process again = Install();
    EXPECT_FALSE(report_) << report_->text;
    EXPECT_EQ(driver::ControlText(window_, ids::Text1), "Quillora Installed !");
    Exit(again);
    ExpectCopies();
    ExpectConfiguration();
    EXPECT_EQ(ReadBytes(player_ + "\\winamp.ini"), firstIni);
    ExpectShortcut();
}

TEST_F(InstallE2E, AKitWithoutOnePlugInSkipsOnlyThatCopyAndSaysSo) {
    ASSERT_TRUE(DeleteFileA((kit_ + "\\in_line.dl_").c_str()));
    driver::Process installer = Install();
    ASSERT_TRUE(report_);
    EXPECT_EQ(report_->title, "QLR 1.10 Installer");
    EXPECT_EQ(report_->text, "Copy in_line.dl_ to " + player_ + "\\plugins\\IN_LINE.DLL (error 2)");
    EXPECT_EQ(driver::ControlText(window_, ids::Text1), "Quillora Installed With Errors !");
    EXPECT_EQ(driver::ControlText(window_, ids::Text2), "[Steps Failed : 1]");
    Exit(installer);
    ExpectCopies("in_line.dl_");
    ExpectConfiguration();
    ExpectSettings();
    ExpectShortcut();
}

TEST_F(InstallE2E, AnInstallDirectoryWithoutParentFailsOnlyItsOwnSteps) {
    const std::string installDir = root_.Path() + "\\missing\\qlr111";
    driver::Process installer = Install(installDir);
    ASSERT_TRUE(report_);
    EXPECT_EQ(report_->text, "Make directory " + installDir + " (error 3)\r\n"
                             "Copy _setup.qlr to " + installDir + "\\qlr111.exe (error 3)\r\n"
                             "Copy _isdel.qlr to " + installDir + "\\qlr_remover.exe (error 3)\r\n"
                             "Copy comdlg32.dll to " + installDir + "\\comdlg32.dll (error 3)\r\n"
                             "Create shortcut Quillora on the desktop (the program was not installed)");
    EXPECT_EQ(driver::ControlText(window_, ids::Text2), "[Steps Failed : 5]");
    Exit(installer);
    for (const Copy& copy : kCopies) {
        if (copy.where != 'i') {
            EXPECT_TRUE(SameBytes(Target(copy), StandIn(copy.source)));
        }
    }
    ExpectConfiguration();
    ExpectSettings();
    EXPECT_EQ(GetFileAttributesA(Link().c_str()), INVALID_FILE_ATTRIBUTES);  // no shortcut
}

TEST_F(InstallE2E, AKitWithoutTheSchedulerMakesNoShortcutAndSaysWhy) {
    ASSERT_TRUE(DeleteFileA((kit_ + "\\_setup.qlr").c_str()));
    driver::Process installer = Install();
    ASSERT_TRUE(report_);
    EXPECT_EQ(report_->text, "Copy _setup.qlr to " + InstallDir() + "\\qlr111.exe (error 2)\r\n"
                             "Create shortcut Quillora on the desktop (the program was not installed)");
    EXPECT_EQ(driver::ControlText(window_, ids::Text1), "Quillora Installed With Errors !");
    EXPECT_EQ(driver::ControlText(window_, ids::Text2), "[Steps Failed : 2]");
    Exit(installer);
    ExpectCopies("_setup.qlr");
    ExpectConfiguration();
    ExpectSettings();
    EXPECT_EQ(GetFileAttributesA(Link().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallE2E, ANewerSharedLibraryInTheSystemDirectoryIsKeptAnOlderOneReplaced) {
    const std::string system = SystemDirectory();
    const std::string older = ReadBytes(kOlderLibrary), newer = ReadBytes(kNewerLibrary);
    ASSERT_NE(older, "<missing>");
    WriteBytes(system + "\\comdlg32.ocx", newer);
    WriteBytes(kit_ + "\\comdlg32.ocx", older);
    WriteBytes(system + "\\msvbvm60.dll", older);
    WriteBytes(kit_ + "\\msvbvm60.dll", newer);

    driver::Process installer = Install();
    EXPECT_FALSE(report_) << report_->text;  // a file kept is a step done
    EXPECT_EQ(driver::ControlText(window_, ids::Text1), "Quillora Installed !");
    Exit(installer);
    EXPECT_TRUE(SameBytes(system + "\\comdlg32.ocx", newer));
    EXPECT_TRUE(SameBytes(system + "\\msvbvm60.dll", newer));
    // Without version resources the shipped file replaces the present one.
    EXPECT_TRUE(SameBytes(system + "\\comdlg32.dep", StandIn("comdlg32.dep")));
}

}  // namespace
