#pragma once
// What the install's end-to-end tests share: a kit directory beside a player directory whose
// registry command names it, the real installer.exe started from the kit and clicked through its
// main window, and the checks of what an install writes: every copy, the configuration files,
// winamp.ini and the desktop shortcut.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "driver/KitInstall.h"
#include "installer/ui/InstallerIds.h"

namespace qlr::install_tests {

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

using driver::DesktopDirectory;
using driver::LinkFacts;
using driver::LoadShortcut;
using driver::Lower;
using driver::ParseProfile;
using driver::Profile;
using driver::ReadBytes;
using driver::StandIn;
using driver::SystemDirectory;
using driver::WriteBytes;

inline const std::string kInstaller = driver::HostPath(QLR_INSTALLER_EXE);
// Libraries with a version resource: 5.0.0.0 and 6.1.0.0.
inline const std::string kOlderLibrary = driver::HostPath(QLR_STANDIN_OLD_DLL);
inline const std::string kNewerLibrary = driver::HostPath(QLR_STANDIN_NEW_DLL);
inline const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";
inline const char kPlaylist[] = "D:\\Radio Lists\\main.m3u";

// Source file, target directory (install, system, player), target name.
struct Copy {
    const char* source;
    char where;
    const char* target;
};
inline const Copy kCopies[] = {
    {"_setup.qlr", 'i', "qlr111.exe"},
    {"_isdel.qlr", 'i', "qlr_remover.exe"},
    {"comdlg32.dll", 'i', "comdlg32.dll"},
    {"comdlg32.dll", 's', "comdlg32.dll"},
    {"comdlg32.ocx", 's', "comdlg32.ocx"},
    {"comdlg32.dep", 's', "comdlg32.dep"},
    {"comdlg32.oca", 's', "comdlg32.oca"},
    {"msvbvm60.dll", 's', "msvbvm60.dll"},
    {"out_ds_ssrc.dl_", 'p', "plugins\\OUT_DS_SSRC.DLL"},
    {"in_line.dl_", 'p', "plugins\\IN_LINE.DLL"},
};

// Equal contents, reported by size and first difference rather than by dumping both.
inline ::testing::AssertionResult SameBytes(const std::string& path, const std::string& expected) {
    const std::string actual = ReadBytes(path);
    if (actual == expected) return ::testing::AssertionSuccess();
    if (actual == "<missing>") return ::testing::AssertionFailure() << path << " is missing";
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << path << ": " << actual.size() << " bytes, expected "
                                         << expected.size() << ", first difference at " << at;
}

class InstallE2E : public ::testing::Test {
protected:
    InstallE2E() {
        kit_ = driver::MakeKit(root_, "KIT");
        player_ = root_.MakeSubdirectory("Winamp");
        root_.MakeSubdirectory("Winamp\\plugins");
        WriteBytes(player_ + "\\winamp.ini",
                   "[Winamp]\r\nvolume=200\r\nshuffle=0\r\nskin=Big Bento\r\n\r\n"
                   "[in_mp3]\r\nbuffer=64\r\n");
        // A numbered file of the scheduler's, which an install leaves alone.
        WriteBytes(player_ + "\\job1.fil", "job one\r\n");
        driver::RegSetValue(kCommandKey, "", "\"" + player_ + "\\winamp.exe\" \"%1\"");
        // Leftovers of an earlier test in this prefix.
        for (const Copy& copy : kCopies)
            if (copy.where == 's') DeleteFileA((SystemDirectory() + "\\" + copy.target).c_str());
        DeleteFileA(Link().c_str());
    }
    ~InstallE2E() override { driver::RegDeleteKey("HKCR\\Winamp.SkinZip"); }

    std::string Link() const { return DesktopDirectory() + "\\Quillora.lnk"; }
    std::string InstallDir() const { return player_ + "\\qlr111"; }
    std::string Target(const Copy& copy) const {
        switch (copy.where) {
            case 'i': return InstallDir() + "\\" + copy.target;
            case 's': return SystemDirectory() + "\\" + copy.target;
        }
        return player_ + "\\" + copy.target;
    }

    // Starts the installer from the kit, checks the install directory it proposes and runs the
    // install (driver::RunInstall); the report box, when one came, is in report_. Returns the
    // process, still running.
    driver::Process Install(const std::string& installDir = "") {
        driver::Process installer = driver::Process::Start(kInstaller, {}, kit_);
        window_ = driver::WaitForMainWindow(installer);
        EXPECT_EQ(driver::ControlText(window_, ids::Text1), InstallDir());
        report_ = driver::RunInstall(installer, window_, kPlaylist, installDir);
        return installer;
    }
    // "E&xit" ends the program.
    void Exit(driver::Process& installer) {
        driver::ClickButton(window_, ids::Command1);
        EXPECT_EQ(installer.ExpectExit(), 0u);
    }

    void ExpectCopies(const char* skipped = nullptr) {
        for (const Copy& copy : kCopies) {
            if (skipped && std::string(copy.source) == skipped)
                EXPECT_EQ(ReadBytes(Target(copy)), "<missing>") << Target(copy);
            else
                EXPECT_TRUE(SameBytes(Target(copy), StandIn(copy.source)));
        }
    }
    void ExpectConfiguration() {
        EXPECT_EQ(ReadBytes(player_ + "\\hvr.ini"), "[Heavy]\r\nno=0\r\nint=1\r\nenab=1\r\ncue=1\r\n");
        EXPECT_EQ(ReadBytes(player_ + "\\jobs.ini"), "[JOBS]\r\njobs=0\r\nsusp=0\r\nauto=1\r\nsilen=1\r\n");
        EXPECT_EQ(ReadBytes(player_ + "\\jng.ini"),
                  "[Jingles]\r\nno=0\r\nint=12\r\nshuf=1\r\nenab=1\r\ncue=1\r\n");
        EXPECT_EQ(ReadBytes(player_ + "\\deflist.fil"), std::string(kPlaylist) + "\r\n");
        EXPECT_EQ(ReadBytes(player_ + "\\setback.ini"), "0\r\n0\r\n");
        EXPECT_EQ(ReadBytes(player_ + "\\job1.fil"), "job one\r\n");
    }
    void ExpectSettings() {
        Profile ini = ParseProfile(player_ + "\\winamp.ini");
        EXPECT_EQ(ini.Value("Winamp", "volume"), "200");
        EXPECT_EQ(ini.Value("Winamp", "skin"), "Big Bento");
        EXPECT_EQ(ini.keys["winamp"].size(), 8u);
        EXPECT_EQ(ini.Value("in_mp3", "buffer"), "64");
        ExpectTheInstallsValues(ini);
        EXPECT_EQ(ini.sections, (std::vector<std::string>{"Winamp", "in_mp3", "OUT_DS_SSRC"}));
    }
    // The 23 values an install writes into a winamp.ini.
    static void ExpectTheInstallsValues(Profile& ini) {
        const std::pair<const char*, const char*> winamp[] = {
            {"shuffle", "1"}, {"repeat", "1"}, {"shuffle_morph_rate", "50"}, {"minimized", "1"},
            {"timeleftmode", "1"}, {"outname", "OUT_DS_SSRC.DLL"}};
        for (const auto& [key, value] : winamp) EXPECT_EQ(ini.Value("Winamp", key), value) << key;
        const std::pair<const char*, const char*> plugin[] = {
            {"cfg_fade_stop.usedef", "0"},       {"cfg_fade_stop.On", "1"},
            {"cfg_fade_stop.Time", "1000"},      {"cfg_fade_firststart.usedef", "0"},
            {"cfg_fade_firststart.On", "1"},     {"cfg_fade_firststart.Time", "100"},
            {"cfg_fade_start.usedef", "0"},      {"cfg_fade_start.On", "1"},
            {"cfg_fade_start.Time", "150"},      {"cfg_mixing", "2"},
            {"cfg_autocpu", "1"},                {"cfg_killsil", "1"},
            {"cfg_trackhack", "600"},            {"cfg_sil_db", "230"},
            {"cfg_prebuf2", "600"},              {"cfg_buf_ms", "12010"},
            {"cfg_total_time", "779567"}};
        std::vector<std::string> pluginKeys;
        for (const auto& [key, value] : plugin) {
            EXPECT_EQ(ini.Value("OUT_DS_SSRC", key), value) << key;
            pluginKeys.push_back(key);
        }
        // Written with their exact letter case, in order.
        EXPECT_EQ(ini.keys["out_ds_ssrc"], pluginKeys);
    }
    void ExpectShortcut() {
        LinkFacts link = LoadShortcut(Link());
        ASSERT_EQ(link.loaded, S_OK) << Link();
        EXPECT_EQ(Lower(link.target), Lower(InstallDir() + "\\qlr111.exe"));
        EXPECT_EQ(link.arguments, "");
        EXPECT_EQ(link.hotKey, 0x0357);  // Ctrl+Shift+W
        EXPECT_EQ(Lower(link.iconPath), Lower(InstallDir() + "\\qlr111.exe"));
        EXPECT_EQ(link.iconIndex, 0);
        EXPECT_EQ(link.workingDirectory, player_);
        EXPECT_EQ(link.showCommand, SW_SHOWNORMAL);
        EXPECT_EQ(link.description, "Quillora");
    }

    driver::TempDirectory root_{"qlr-install"};
    std::string kit_, player_;
    HWND window_ = nullptr;
    std::optional<driver::MessageBoxContent> report_;
};

}  // namespace qlr::install_tests
