// The real remover.exe under Wine, started the way a user starts it (from the install directory)
// and driven through its window: what it shows, what "&Yes" deletes and keeps, what it reports,
// and that "&No" and "E&xit" end it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "remover/RemoverIds.h"

namespace driver = qlr::wine_driver;
namespace ids = qlr::remover_ids;

namespace {

const std::string kRemover = driver::HostPath(QLR_REMOVER_EXE);
const char kPlayerKey[] = "HKCR\\Winamp.SkinZip";
const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";
const char kConfigurationFiles[][12] = {"hvr.ini", "jobs.ini", "jng.ini", "setback.ini", "deflist.fil"};
const char kAllErased[] = "Erased All QLR Files and Configuration !";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Touch(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw driver::DriverError("cannot create " + path);
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
}

// Every file name below a directory, relative to it, sub-directories included (with a '\' after
// their name), sorted.
std::vector<std::string> Listing(const std::string& directory, const std::string& prefix = "") {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((directory + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            names.push_back(prefix + name + "\\");
            for (const std::string& inner : Listing(directory + "\\" + name, prefix + name + "\\"))
                names.push_back(inner);
        } else {
            names.push_back(prefix + name);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// The numbered companions 1 to 300 of the configuration files, the way the scheduler names them.
std::vector<std::string> NumberedNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 300; ++n)
        for (const char* pattern : {"job%d.fil", "job%d.lis", "jng%d.fil", "hvr%d.fil", "job%d.day"}) {
            char name[16];
            std::snprintf(name, sizeof name, pattern, n);
            names.push_back(name);
        }
    return names;
}

// Waits until a control shows the text; the remover's window answers once its click has run.
// While the click runs, the window cannot answer: a read that times out is tried again, up to
// the same deadline.
void WaitForText(HWND window, int id, const std::string& text, DWORD timeoutMs = driver::kWaitMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    std::string shown;
    for (;;) {
        try {
            if ((shown = driver::ControlText(window, id)) == text) return;
        } catch (const driver::DriverError& busy) {
            shown = busy.what();
        }
        if (GetTickCount64() >= deadline)
            throw driver::DriverError("control " + std::to_string(id) + " shows \"" + shown +
                                      "\", not \"" + text + "\"");
        Sleep(10);
    }
}

// A player installation with the scheduler installed below it, as the installer leaves it:
// <temp>\Winamp with the configuration files, <temp>\Winamp\qlr111 with the program files and
// the remover as qlr_remover.exe.
class Remover : public ::testing::Test {
protected:
    void SetUp() override {
        driver::RegDeleteKey(kPlayerKey);
        driver::RegSetValue(kCommandKey, "", "\"" + player_ + "\\winamp.exe\" \"%1\"");
        Touch(player_ + "\\winamp.exe");
        Touch(player_ + "\\winamp.ini");
        Touch(dir_.MakeSubdirectory("Winamp\\plugins") + "\\OUT_DS_SSRC.DLL");
        for (const char* name : kConfigurationFiles) Touch(player_ + "\\" + name);
        for (const char* name : {"qlr111.exe", "comdlg32.dll"}) Touch(install_ + "\\" + name);
        driver::CopyFileOrThrow(kRemover, remover_);
    }
    void TearDown() override { driver::RegDeleteKey(kPlayerKey); }

    driver::Process Start(const std::string& currentDirectory) {
        return driver::Process::Start(remover_, {}, currentDirectory);
    }
    // Clicks "&Yes" and waits until the removal has turned it into "E&xit". The removal takes a
    // fraction of a second, but on a loaded machine its window has been seen not to answer for
    // more than 5 s.
    void RemoveAndWait(HWND window) {
        driver::ClickButton(window, ids::Command2);
        WaitForText(window, ids::Command2, "E&xit", 30000);
    }

    driver::TempDirectory dir_{"qlr-remover"};
    std::string player_ = dir_.MakeSubdirectory("Winamp");
    std::string install_ = dir_.MakeSubdirectory("Winamp\\qlr111");
    std::string remover_ = install_ + "\\qlr_remover.exe";
};

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
