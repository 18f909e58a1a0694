// The install end to end: the real installer.exe, started from a kit directory beside a player
// directory, filled in and clicked through its main window; then every file it wrote is read back.
// A complete install and a second one over it, and the System-directory version rule.
#include "InstallFixture.h"

namespace qlr::install_tests {
namespace {

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
}  // namespace qlr::install_tests
