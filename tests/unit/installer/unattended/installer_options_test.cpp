#include <gtest/gtest.h>

#include "installer/unattended/InstallerOptions.h"

namespace qlr {
namespace {

TEST(InstallerOptions, ReadsTheInstallersSwitchesAndRefusesWhatAnUnattendedInstallCannotUse) {
    const RunMode W = RunMode::Window, S = RunMode::Silent, V = RunMode::VerySilent;
    const struct {
        const char* line;
        RunMode mode;
        const char* playlist;
        const char* directory;
        bool closePlayer;
        const char* refusal;  // its beginning; "" when accepted
    } cases[] = {
        {"i.exe /VERYSILENT /PLAYLIST=\"D:\\Lists\\main.m3u\"", V, "D:\\Lists\\main.m3u", "", false, ""},
        {"i.exe /silent /playlist=D:\\a.m3u /dir=\"C:\\Program Files\\Q\" /closeplayer", S,
         "D:\\a.m3u", "C:\\Program Files\\Q", true, ""},
        {"i.exe /SILENT /PLAYLIST=x.m3u /PLAYLIST=D:\\b.m3u /DIR=C:\\", S, "D:\\b.m3u", "C:\\", false, ""},
        {"i.exe /LOG=C:\\i.log", W, "", "", false, ""},
        {"i.exe /VERYSILENT /?", V, "", "", false, ""},  // help wants no playlist
        // Refused: the window asks for what the install's switches give, a switch of no use, a
        // missing or too short path, a value where none belongs.
        {"i.exe /PLAYLIST=D:\\a.m3u", W, "D:\\a.m3u", "", false, "/PLAYLIST, /DIR and /CLOSEPLAYER go with"},
        {"i.exe /VERYSILENT /PLAYLIST=D:\\a.m3u /QUIET", V, "D:\\a.m3u", "", false, "/QUIET: no such switch"},
        {"i.exe / /SILENT", S, "", "", false, "/: no such switch"},
        {"i.exe /SILENT", S, "", "", false, "/PLAYLIST is needed with /SILENT and /VERYSILENT"},
        {"i.exe /VERYSILENT /PLAYLIST=ab.m3u", V, "ab.m3u", "", false, "/PLAYLIST: too short"},
        {"i.exe /VERYSILENT /PLAYLIST=a\\b.m3u /DIR=C:", V, "a\\b.m3u", "C:", false, "/DIR: too short"},
        {"i.exe /VERYSILENT /PLAYLIST= ", V, "", "", false, "/PLAYLIST=: a value is needed"},
        {"i.exe /SILENT /PLAYLIST=D:\\a.m3u /CLOSEPLAYER=yes", S, "D:\\a.m3u", "", false,
         "/CLOSEPLAYER=yes: this switch takes no value"},
    };
    for (const auto& c : cases) {
        const InstallerOptions options = ParseInstallerOptions(c.line);
        EXPECT_TRUE(options.switched) << c.line;
        EXPECT_EQ(options.mode, c.mode) << c.line;
        EXPECT_EQ(options.playlist + "|" + options.directory, std::string(c.playlist) + "|" + c.directory) << c.line;
        EXPECT_EQ(options.closePlayer, c.closePlayer) << c.line;
        EXPECT_EQ(options.refusal.substr(0, std::string(c.refusal).size()), c.refusal) << c.line;
        EXPECT_EQ(options.refusal.empty(), *c.refusal == '\0') << c.line;
    }
    EXPECT_FALSE(ParseInstallerOptions("\"C:\\Kit\\installer.exe\" D:\\dropped.m3u").switched);
}

}  // namespace
}  // namespace qlr
