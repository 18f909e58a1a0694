#pragma once
// What the install's end-to-end tests share: a kit directory of stand-in files beside a player
// directory whose registry command names it, the install driven through the main window, and
// the checks of every file an install writes.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "installer/ui/InstallerIds.h"

namespace qlr::install_tests {

namespace driver = qlr::wine_driver;
namespace ids = qlr::installer_ids;

inline const std::string kInstaller = driver::HostPath(QLR_INSTALLER_EXE);
// Libraries with a version resource: 5.0.0.0 and 6.1.0.0.
inline const std::string kOlderLibrary = driver::HostPath(QLR_STANDIN_OLD_DLL);
inline const std::string kNewerLibrary = driver::HostPath(QLR_STANDIN_NEW_DLL);
inline const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";
inline const char kPlaylist[] = "D:\\Radio Lists\\main.m3u";

// The kit's source files, each with stand-in contents of its own: the name, then every byte
// value, so that a copy that is not byte for byte (text mode, truncation at a NUL) shows.
inline const char* const kKitFiles[] = {"_setup.qlr",   "_isdel.qlr",   "comdlg32.dll", "comdlg32.ocx",
                                 "comdlg32.dep", "comdlg32.oca", "msvbvm60.dll", "out_ds_ssrc.dl_",
                                 "in_line.dl_"};
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

inline std::string StandIn(const std::string& name) {
    std::string bytes = "stand-in " + name + "\r\n";
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

inline std::string SystemDirectory() {
    char directory[MAX_PATH];
    UINT length = GetSystemWow64DirectoryA(directory, MAX_PATH);
    if (length == 0) length = GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory, length);
}

inline std::string DesktopDirectory() {
    char directory[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, directory);
    return directory;
}

inline std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// A profile file as (section, key) -> value, with the keys of each section in file order.
struct Profile {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::map<std::string, std::vector<std::string>> keys;
    std::vector<std::string> sections;

    std::string Value(const std::string& section, const std::string& key) const {
        auto it = values.find({Lower(section), Lower(key)});
        return it == values.end() ? "<missing>" : it->second;
    }
};

inline Profile ParseProfile(const std::string& path) {
    Profile profile;
    std::istringstream in(ReadBytes(path));
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            profile.sections.push_back(section);
            continue;
        }
        std::size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        profile.values[{Lower(section), Lower(key)}] =
            equals == std::string::npos ? "" : line.substr(equals + 1);
        profile.keys[Lower(section)].push_back(key);
    }
    return profile;
}

struct LinkFacts {
    HRESULT loaded = E_FAIL;
    std::string target, arguments, iconPath, workingDirectory, description;
    int iconIndex = -1, showCommand = -1;
    WORD hotKey = 0;
};

inline LinkFacts LoadShortcut(const std::string& path) {
    LinkFacts facts;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        Microsoft::WRL::ComPtr<IShellLinkA> link;
        Microsoft::WRL::ComPtr<IPersistFile> file;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link.As(&file))) {
            std::wstring wide(path.begin(), path.end());
            facts.loaded = file->Load(wide.c_str(), STGM_READ);
            char text[MAX_PATH * 2] = {};
            link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
            facts.target = text;
            text[0] = 0;
            link->GetArguments(text, sizeof text);
            facts.arguments = text;
            text[0] = 0;
            link->GetIconLocation(text, sizeof text, &facts.iconIndex);
            facts.iconPath = text;
            text[0] = 0;
            link->GetWorkingDirectory(text, sizeof text);
            facts.workingDirectory = text;
            text[0] = 0;
            link->GetDescription(text, sizeof text);
            facts.description = text;
            link->GetHotkey(&facts.hotKey);
            link->GetShowCmd(&facts.showCommand);
        }
    }  // the interfaces are released before COM ends on this thread
    CoUninitialize();
    return facts;
}

class InstallE2E : public ::testing::Test {
protected:
    InstallE2E() {
        kit_ = root_.MakeSubdirectory("KIT");
        player_ = root_.MakeSubdirectory("Winamp");
        root_.MakeSubdirectory("Winamp\\plugins");
        for (const char* name : kKitFiles) WriteBytes(kit_ + "\\" + name, StandIn(name));
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

    // Starts the installer from the kit, fills in the playlist (and the install directory when
    // given), clicks "&Install QLR" and waits for the Done state. The report box, when one comes,
    // is read and closed. Returns the process, still running.
    driver::Process Install(const std::string& installDir = "") {
        driver::Process installer = driver::Process::Start(kInstaller, {}, kit_);
        window_ = driver::WaitForMainWindow(installer);
        EXPECT_EQ(driver::ControlText(window_, ids::Text1), InstallDir());
        if (!installDir.empty()) driver::SetControlText(window_, ids::Text1, installDir);
        driver::SetControlText(window_, ids::Text2, kPlaylist);
        driver::ClickButton(window_, ids::Command1);

        report_.reset();
        const DWORD start = GetTickCount();
        while (driver::ControlText(window_, ids::Command1) != "E&xit") {
            if (GetTickCount() - start > 20000) throw driver::DriverError("the install did not finish");
            Sleep(50);
        }
        // The report box, if any, comes right after the window shows its Done state.
        const DWORD done = GetTickCount();
        while (!report_ && GetTickCount() - done < 1500) {
            for (HWND box : driver::VisibleTopLevelWindows(installer.Id()))
                if (driver::IsMessageBox(box)) report_ = driver::ReadMessageBox(box);
            if (!report_) Sleep(50);
        }
        if (report_) {
            HWND box = driver::WaitForMessageBox(installer);
            driver::ClickButton(box, IDOK);
            driver::WaitUntilGone(box, "the report box");
        }
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
        const std::pair<const char*, const char*> winamp[] = {
            {"volume", "200"}, {"shuffle", "1"}, {"skin", "Big Bento"}, {"repeat", "1"},
            {"shuffle_morph_rate", "50"}, {"minimized", "1"}, {"timeleftmode", "1"},
            {"outname", "OUT_DS_SSRC.DLL"}};
        for (const auto& [key, value] : winamp) EXPECT_EQ(ini.Value("Winamp", key), value) << key;
        EXPECT_EQ(ini.keys["winamp"].size(), 8u);
        EXPECT_EQ(ini.Value("in_mp3", "buffer"), "64");
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
        EXPECT_EQ(ini.sections, (std::vector<std::string>{"Winamp", "in_mp3", "OUT_DS_SSRC"}));
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
