// The real remover.exe under Wine, started the way a user starts it (from the install directory)
// and driven through its window: what it shows, what "&Yes" deletes and keeps, what it reports,
// and that "&No" and "E&xit" end it.
#include <set>

#include "RemoverFixture.h"

namespace {

using namespace qlr::remover_tests;

TEST_F(Remover, YesDeletesTheSchedulerFilesAndKeepsEverythingElse) {
    const std::vector<std::string> numbered = NumberedNames();
    for (const std::string& name : numbered) Touch(player_ + "\\" + name);
    for (const char* name : {"job0.fil", "job301.fil", "job301.day", "hvr0.fil", "jobs.ini.bak"})
        Touch(player_ + "\\" + name);
    Touch(install_ + "\\readme.txt");
    dir_.MakeSubdirectory("Winamp\\qlr111\\lists");

    std::set<std::string> listed = {"Winamp\\qlr111\\qlr111.exe", "Winamp\\qlr111\\comdlg32.dll"};
    for (const char* name : kConfigurationFiles) listed.insert(std::string("Winamp\\") + name);
    for (const std::string& name : numbered) listed.insert("Winamp\\" + name);
    ASSERT_EQ(listed.size(), 1507u);
    std::vector<std::string> kept;
    for (const std::string& name : Listing(dir_.Path()))
        if (!listed.count(name)) kept.push_back(name);

    driver::Process remover = Start(install_);
    HWND window = driver::WaitForMainWindow(remover);
    EXPECT_EQ(driver::ControlText(window, ids::Label1), "Remove Quillora ?");
    EXPECT_EQ(driver::ControlText(window, ids::Label2), "Found Winamp In : " + player_);
    EXPECT_EQ(driver::ControlText(window, ids::Label3), "Found QLR In : " + install_);
    EXPECT_EQ(driver::ControlText(window, ids::Command1), "&No");
    EXPECT_EQ(driver::ControlText(window, ids::Command2), "&Yes");

    RemoveAndWait(window);
    EXPECT_EQ(driver::ControlText(window, ids::Label1), kAllErased);
    EXPECT_FALSE(IsWindowEnabled(driver::Control(window, ids::Command1)));
    EXPECT_EQ(driver::VisibleTopLevelWindows(remover.Id()).size(), 1u);  // no message box

    // Every listed file is gone; the numbered files outside 1 to 300, the remover, the player's
    // own files and every directory stay.
    EXPECT_EQ(Listing(dir_.Path()), kept);
    for (const char* name : {"Winamp\\job0.fil", "Winamp\\job301.fil", "Winamp\\qlr111\\qlr_remover.exe",
                             "Winamp\\plugins\\", "Winamp\\qlr111\\lists\\"})
        EXPECT_NE(std::find(kept.begin(), kept.end(), name), kept.end()) << name;

    driver::ClickButton(window, ids::Command2);  // "E&xit"
    remover.ExpectExit();
}

TEST_F(Remover, FindsThePlayerThroughAnUnquotedCommand) {
    driver::RegSetValue(kCommandKey, "", player_ + "\\winamp.exe \"%1\"");
    driver::Process remover = Start(install_);
    HWND window = driver::WaitForMainWindow(remover);
    EXPECT_EQ(driver::ControlText(window, ids::Label2), "Found Winamp In : " + player_);
    EXPECT_EQ(driver::ControlText(window, ids::wnpdir), player_);
    RemoveAndWait(window);
    EXPECT_EQ(driver::ControlText(window, ids::Label1), kAllErased);
    for (const char* name : kConfigurationFiles) EXPECT_FALSE(Exists(player_ + "\\" + name)) << name;
    EXPECT_TRUE(Exists(player_ + "\\winamp.ini"));

    driver::ClickButton(window, ids::Command2);
    remover.ExpectExit();
}

TEST_F(Remover, FileThatCannotBeDeletedIsReportedAndTheRestStillGoes) {
    const std::string jobs = player_ + "\\jobs.ini";
    SetFileAttributesA(jobs.c_str(), FILE_ATTRIBUTE_READONLY);

    driver::Process remover = Start(install_);
    HWND window = driver::WaitForMainWindow(remover);
    driver::ClickButton(window, ids::Command2);
    HWND box = driver::WaitForMessageBox(remover);
    const driver::MessageBoxContent content = driver::ReadMessageBox(box);
    EXPECT_EQ(content.title, "QLR Remover");
    EXPECT_EQ(content.text, jobs);
    EXPECT_EQ(content.buttons, std::vector<int>{IDOK});
    // The window behind the box already shows the outcome.
    EXPECT_EQ(driver::ControlText(window, ids::Label1), "Some QLR Files Could Not Be Erased !");
    EXPECT_EQ(driver::ControlText(window, ids::Command2), "E&xit");

    driver::ClickButton(box, IDOK);
    driver::WaitUntilGone(box, "the failure report");
    EXPECT_TRUE(Exists(jobs));
    for (const char* gone : {"\\hvr.ini", "\\jng.ini", "\\setback.ini", "\\deflist.fil"})
        EXPECT_FALSE(Exists(player_ + gone)) << gone;
    EXPECT_FALSE(Exists(install_ + "\\qlr111.exe"));
    EXPECT_TRUE(remover.Running());

    driver::ClickButton(window, ids::Command2);
    remover.ExpectExit();
    SetFileAttributesA(jobs.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Remover, NoEndsAtOnceAndTouchesNothing) {
    const std::vector<std::string> before = Listing(dir_.Path());
    driver::Process remover = Start(install_);
    HWND window = driver::WaitForMainWindow(remover);
    driver::ClickButton(window, ids::Command1);
    remover.ExpectExit();
    EXPECT_EQ(Listing(dir_.Path()), before);
}

TEST_F(Remover, StartedElsewhereDeletesNoProgramFileThere) {
    // Started with another current directory, say a prompt in a directory that holds a
    // comdlg32.dll of its own: that file is not the scheduler's.
    const std::string elsewhere = dir_.MakeSubdirectory("System");
    Touch(elsewhere + "\\comdlg32.dll");

    driver::Process remover = Start(elsewhere);
    HWND window = driver::WaitForMainWindow(remover);
    EXPECT_EQ(driver::ControlText(window, ids::Label3), "Found QLR In : " + elsewhere);
    RemoveAndWait(window);
    EXPECT_EQ(driver::ControlText(window, ids::Label1), kAllErased);
    EXPECT_TRUE(Exists(elsewhere + "\\comdlg32.dll"));
    EXPECT_TRUE(Exists(install_ + "\\qlr111.exe"));  // not the current directory either
    EXPECT_FALSE(Exists(player_ + "\\hvr.ini"));

    driver::ClickButton(window, ids::Command2);
    remover.ExpectExit();
}

TEST_F(Remover, WithoutThePlayerNothingIsDeletedFromTheDriveRoot) {
    driver::RegDeleteKey(kPlayerKey);
    // The root of the drive the remover runs on: the configuration names must never land there.
    const std::string root = install_.substr(0, 3);
    const std::string stray = root + "hvr.ini";
    const bool strayExisted = Exists(stray);
    if (!strayExisted) Touch(stray);

    driver::Process remover = Start(install_);
    HWND window = driver::WaitForMainWindow(remover);
    EXPECT_EQ(driver::ControlText(window, ids::Label2), "[Winamp Not Found Or Too Old Version Installed]");
    EXPECT_EQ(driver::ControlText(window, ids::wnpdir), "");
    EXPECT_TRUE(IsWindowEnabled(driver::Control(window, ids::Command2)));
    RemoveAndWait(window);
    EXPECT_EQ(driver::ControlText(window, ids::Label1), kAllErased);
    EXPECT_TRUE(Exists(stray));
    EXPECT_TRUE(Exists(player_ + "\\hvr.ini"));
    EXPECT_FALSE(Exists(install_ + "\\qlr111.exe"));
    EXPECT_FALSE(Exists(install_ + "\\comdlg32.dll"));
    if (!strayExisted) DeleteFileA(stray.c_str());

    driver::ClickButton(window, ids::Command2);
    remover.ExpectExit();
}

}  // namespace
