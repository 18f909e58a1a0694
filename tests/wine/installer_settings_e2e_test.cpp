// The player's settings and the station's earlier files end to end: a player with settings per
// user (paths.ini naming its settings directory) gets the values there too, and a reinstall keeps
// a copy of each file it changes in a backup directory in the player's directory.
#include <set>

#include "InstallFixture.h"

namespace qlr::install_tests {
namespace {

// The backup directories in the player's directory, by name.
std::set<std::string> Backups(const std::string& player) {
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((player + "\\qlr-backup-*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.insert(entry.cFileName); while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

TEST_F(InstallE2E, APlayerWithSettingsPerUserGetsTheValuesInItsSettingsDirectory) {
    // The prefix's Application Data folder is shared: the directory goes again, whatever happens.
    struct SettingsDirectory {
        const std::string path = driver::AppDataDirectory() + "\\Winamp";
        SettingsDirectory() { Remove(); }
        ~SettingsDirectory() { Remove(); }
        void Remove() const {
            DeleteFileA((path + "\\winamp.ini").c_str());
            RemoveDirectoryA(path.c_str());
        }
    } settings;
    ASSERT_EQ(GetFileAttributesA(settings.path.c_str()), INVALID_FILE_ATTRIBUTES) << settings.path;
    WriteBytes(player_ + "\\paths.ini", "[Winamp]\r\ninidir={26}\\Winamp\r\n");

    driver::Process installer = Install();
    EXPECT_FALSE(report_) << report_->text;
    Exit(installer);
    ExpectSettings();
    Profile ini = ParseProfile(settings.path + "\\winamp.ini");
    ExpectTheInstallsValues(ini);
    EXPECT_EQ(ini.sections, (std::vector<std::string>{"Winamp", "OUT_DS_SSRC"}));
}

TEST_F(InstallE2E, AReinstallKeepsACopyOfEachFileItChangesAndNoneWhenNothingChanges) {
    const std::string oldIni = ReadBytes(player_ + "\\winamp.ini");  // shuffle=0
    driver::Process first = Install();
    Exit(first);
    const std::set<std::string> afterFirst = Backups(player_);
    ASSERT_EQ(afterFirst.size(), 1u);  // the player's own shuffle=0
    EXPECT_EQ(ReadBytes(player_ + "\\" + *afterFirst.begin() + "\\winamp.ini"), oldIni);

    const std::string oldJobs = "[JOBS]\r\njobs=7\r\nsusp=1\r\n";
    WriteBytes(player_ + "\\jobs.ini", oldJobs);
    WriteBytes(player_ + "\\winamp.ini", oldIni);
    driver::Process second = Install();
    EXPECT_FALSE(report_) << report_->text;
    Exit(second);
    std::set<std::string> afterSecond = Backups(player_);
    ASSERT_EQ(afterSecond.size(), 2u);
    for (const std::string& name : afterFirst) afterSecond.erase(name);
    const std::string backup = player_ + "\\" + *afterSecond.begin();
    EXPECT_EQ(ReadBytes(backup + "\\jobs.ini"), oldJobs);
    EXPECT_EQ(ReadBytes(backup + "\\winamp.ini"), oldIni);
    EXPECT_EQ(ReadBytes(backup + "\\hvr.ini"), "<missing>");  // unchanged: no copy
    ExpectConfiguration();
    ExpectSettings();

    driver::Process third = Install();  // right after: nothing changes, nothing is copied
    EXPECT_FALSE(report_) << report_->text;
    Exit(third);
    EXPECT_EQ(Backups(player_).size(), 2u);
}

}  // namespace
}  // namespace qlr::install_tests
