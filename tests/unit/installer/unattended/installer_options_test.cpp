#include <gtest/gtest.h>

#include "installer/unattended/InstallerOptions.h"

namespace qlr {
namespace {

// What the command line asks for: "-" without switches, else the mode (W, S, V) and "?" for
// help; then playlist|directory|close|log.
std::string Read(const InstallerOptions& o) {
    return (o.switched ? std::string(1, "WSV"[int(o.mode)]) : "-") + (o.help ? "?" : "") + " " + o.playlist +
           "|" + o.directory + "|" + (o.closePlayer ? "close" : "") + "|" + o.logFile;
}

TEST(InstallerOptions, ReadsTheSwitchesInAnyCaseAndRefusesWhatTheRunCannotUse) {
    const std::pair<const char*, const char*> cases[] = {  // the line, and what it asks or why it is refused
        {"\"C:\\Kit\\installer.exe\" D:\\dropped.m3u -SILENT", "- |||"},  // no switch: as always
        {"i.exe /VERYSILENT /PLAYLIST=\"D:\\Radio Lists\\main.m3u\"", "V D:\\Radio Lists\\main.m3u|||"},
        {"i.exe /silent /Playlist=D:\\a.m3u /dir=\"C:\\Program Files\\Q\" /closeplayer /Log=\"C:\\a=b.log\"",
         "S D:\\a.m3u|C:\\Program Files\\Q|close|C:\\a=b.log"},
        // The quieter mode wins; a value given twice counts the last time.
        {"i.exe /SILENT /VERYSILENT /SILENT /PLAYLIST=x.m3u /PLAYLIST=D:\\b.m3u /LOG=a /LOG=b", "V D:\\b.m3u|||b"},
        {"i.exe /LOG=C:\\i.log", "W |||C:\\i.log"},
        {"i.exe /VERYSILENT /HELP", "V? |||"},  // help wants no playlist
        // Refused: the install's switches at the window, where the user fills in its fields; a
        // switch of no use; a missing or too short path; a value where none belongs or a quote in
        // it (a directory ending in '\' swallows its closing quote); the first reason counts.
        {"i.exe /PLAYLIST=D:\\a.m3u", "/PLAYLIST, /DIR and /CLOSEPLAYER go with /SILENT or /VERYSILENT"},
        {"i.exe /VERYSILENT /PLAYLIST=D:\\a.m3u /QUIET", "/QUIET: no such switch"},
        {"i.exe / /SILENT", "/: no such switch"},
        {"i.exe /SILENT", "/PLAYLIST is needed with /SILENT and /VERYSILENT"},
        {"i.exe /VERYSILENT /PLAYLIST=ab.m3u", "/PLAYLIST: too short"},
        {"i.exe /VERYSILENT /PLAYLIST=a\\b.m3u /DIR=C:", "/DIR: too short"},
        {"i.exe /VERYSILENT /PLAYLIST= ", "/PLAYLIST=: a value is needed"},
        {"i.exe /SILENT=1 /PLAYLIST=D:\\a.m3u /CLOSEPLAYER=yes", "/SILENT=1: this switch takes no value"},
        {"i.exe /VERYSILENT /PLAYLIST=D:\\a.m3u /LOG=\"C:\\Logs\\\" /X", "/LOG=C:\\Logs\" /X: a quote in the value"},
    };
    for (const auto& [line, expected] : cases) {
        const InstallerOptions options = ParseInstallerOptions(line);
        const std::string refusal = options.refusal.substr(0, std::string(expected).size());
        EXPECT_EQ(options.refusal.empty() ? Read(options) : refusal, expected) << line;
    }
}

}  // namespace
}  // namespace qlr
