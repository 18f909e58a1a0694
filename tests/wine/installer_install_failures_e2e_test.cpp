// The install end to end when steps fail: a kit without one of its files, an install directory
// whose parent is missing. The failed steps are reported in one box at the end; every step that
// does not depend on them is done.
#include "InstallFixture.h"

namespace qlr::install_tests {
namespace {

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

}  // namespace
}  // namespace qlr::install_tests
