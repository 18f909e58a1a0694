#include "installer/engine/ConfigFiles.h"

#include <vector>

#include "platform/WindowsValues.h"

namespace qlr {

namespace {

struct ConfigFile {
    const char* name;
    std::vector<std::string> lines;
};

// Whether writing the lines into the file at path would change what it holds.
bool WouldChange(const FileSystem& files, const std::string& path, const std::vector<std::string>& lines) {
    if (!files.IsFile(path)) return false;
    const Result<std::string> held = files.ReadBytes(path);
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return !held.ok() || held.value != bytes;
}

}  // namespace

void WriteConfigFiles(FileSystem& files, const std::string& directory, const std::string& playlist,
                      BackupDirectory& backup, FailedSteps& failed) {
    const ConfigFile configFiles[] = {
        {"hvr.ini", {"[Heavy]", "no=0", "int=1", "enab=1", "cue=1"}},
        {"jobs.ini", {"[JOBS]", "jobs=0", "susp=0", "auto=1", "silen=1"}},
        {"jng.ini", {"[Jingles]", "no=0", "int=12", "shuf=1", "enab=1", "cue=1"}},
        // The default playlist exactly as the user gave it: unquoted, untrimmed, unchecked.
        {"deflist.fil", {playlist}},
        {"setback.ini", {"0", "0"}},
    };

    for (const ConfigFile& file : configFiles) {
        const std::string path = directory + file.name;
        if (WouldChange(files, path, file.lines) && !backup.KeepCopy(path, "", failed)) continue;
        Status status;
        std::unique_ptr<TextFileWriter> writer = files.CreateTextFile(path, status);
        if (!writer && status.ok()) status = Status::Fail(kErrorInvalidParameter);
        // Without the file there is nothing to write its lines into or to close.
        if (!failed.Check(status, "Create " + path)) continue;

        for (std::size_t i = 0; i < file.lines.size(); ++i)
            failed.Check(writer->WriteLine(file.lines[i]),
                         "Write line " + std::to_string(i + 1) + " of " + path);
        failed.Check(writer->Close(), "Close " + path);
    }
}

}  // namespace qlr
