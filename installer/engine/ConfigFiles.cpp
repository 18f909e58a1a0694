#include "installer/engine/ConfigFiles.h"

#include "common/Paths.h"

#include "platform/WindowsValues.h"

namespace qlr {

using namespace std::literals;

namespace {

// Stands for the default playlist in the table below.
const char kPlaylistLine[] = "(the default playlist)";

struct ConfigFile {
    const char* name;
    const char* lines[7];  // up to the first null
};

// A constant table rather than texts built at run time: the install's code stays small.
const ConfigFile kConfigFiles[] = {
    {"hvr.ini", {"[Heavy]", "no=0", "int=1", "enab=1", "cue=1"}},
    {"jobs.ini", {"[JOBS]", "jobs=0", "susp=0", "auto=1", "silen=1"}},
    {"jng.ini", {"[Jingles]", "no=0", "int=12", "shuf=1", "enab=1", "cue=1"}},
    // The default playlist exactly as the user gave it: unquoted, untrimmed, unchecked.
    {"deflist.fil", {kPlaylistLine}},
    {"setback.ini", {"0", "0"}},
};

// The file's line number `i`, with the default playlist in its place.
const char* LineOf(const ConfigFile& file, int i, const std::string& playlist) {
    return file.lines[i] == kPlaylistLine ? playlist.c_str() : file.lines[i];
}

// Whether writing the file's lines at path would change what it holds.
bool WouldChange(const FileSystem& files, const std::string& path, const ConfigFile& file,
                 const std::string& playlist) {
    if (!files.IsFile(path)) return false;
    const Result<std::string> held = files.ReadBytes(path);
    std::string bytes;
    for (int i = 0; i < 7 && file.lines[i]; ++i) bytes += LineOf(file, i, playlist) + "\r\n"s;
    return !held.ok() || held.value != bytes;
}

}  // namespace

void WriteConfigFiles(FileSystem& files, const std::string& directory, const std::string& playlist,
                      BackupDirectory& backup, FailedSteps& failed) {
    for (const ConfigFile& file : kConfigFiles) {
        const std::string path = directory + file.name;
        if (WouldChange(files, path, file, playlist) && !backup.KeepCopy(path, "", failed)) continue;
        Status status;
        std::unique_ptr<TextFileWriter> writer = files.CreateTextFile(path, status);
        if (!writer && status.ok()) status = Status::Fail(kErrorInvalidParameter);
        // Without the file there is nothing to write its lines into or to close.
        if (!failed.Check(status, "Create " + path)) continue;

        for (int i = 0; i < 7 && file.lines[i]; ++i) {
            const std::string number = std::to_string(i + 1);
            failed.Check(writer->WriteLine(LineOf(file, i, playlist)),
                         Join({"Write line "sv, number, " of "sv, path}));
        }
        failed.Check(writer->Close(), "Close " + path);
    }
}

}  // namespace qlr
