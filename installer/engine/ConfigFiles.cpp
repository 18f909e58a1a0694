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

}  // namespace

void WriteConfigFiles(FileSystem& files, const std::string& directory, const std::string& playlist,
                      FailedSteps& failed) {
    for (const ConfigFile& file : kConfigFiles) {
        const std::string path = directory + file.name;
        Status status;
        std::unique_ptr<TextFileWriter> writer = files.CreateTextFile(path, status);
        if (!writer && status.ok()) status = Status::Fail(kErrorInvalidParameter);
        // Without the file there is nothing to write its lines into or to close.
        if (!failed.Check(status, "Create " + path)) continue;

        for (int i = 0; i < 7 && file.lines[i]; ++i) {
            const std::string number = std::to_string(i + 1);
            failed.Check(writer->WriteLine(file.lines[i] == kPlaylistLine ? playlist : file.lines[i]),
                         Join({"Write line "sv, number, " of "sv, path}));
        }
        failed.Check(writer->Close(), "Close " + path);
    }
}

}  // namespace qlr
