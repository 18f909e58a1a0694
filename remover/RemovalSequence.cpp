#include "remover/RemovalSequence.h"

#include <utility>

#include "common/Paths.h"
#include "platform/WindowsValues.h"

namespace qlr::remover {

namespace {

// A name that names nothing: the file (or registry value) or its directory is not there, or the
// name cannot be a file's. Deleting such a name leaves nothing behind, so it is no failure.
bool NothingThere(Status status) {
    return status.error == kErrorFileNotFound || status.error == kErrorPathNotFound ||
           status.error == kErrorInvalidName;
}

class Removal {
public:
    Removal(RemovalPlatform platform, const std::string& playerDirectory)
        : platform_(platform), playerDirectory_(playerDirectory) {}

    // The removal, one step a line, in this order. A new step is a member function below and its
    // line here.
    std::vector<std::string> Run() {
        DeleteConfigurationFiles();
        DeleteProgramFiles();
        return std::move(failed_);
    }

private:
    // Without a player directory there is nowhere to delete configuration files from; the empty
    // text must not turn into the root of the current drive.
    void DeleteConfigurationFiles() {
        if (playerDirectory_.empty()) return;
        const std::string base = WithTrailingBackslash(playerDirectory_);
        for (const std::string& name : ConfigurationFileNames()) Delete(base + name);
    }

    // The current directory is taken for the install directory only when the scheduler's program
    // is there: started anywhere else (the System directory, say), the remover deletes no program
    // file, above all no "comdlg32.dll" that belongs to the system.
    void DeleteProgramFiles() {
        const std::string base = WithTrailingBackslash(platform_.files.CurrentDirectory());
        if (!platform_.files.IsFile(base + kProgramFile)) return;
        Delete(base + kProgramFile);
        Delete(base + kDialogLibrary);
    }

    void Delete(const std::string& path) { Check(platform_.files.RemoveFile(path), "Delete", path); }

    // Every step's record, in one place: an item that was there is logged as the action on it,
    // done or not, and one whose removal failed is added to the list of what stayed, as `what`.
    // An item that was not there is no step at all.
    void Check(Status status, const char* action, const std::string& what) {
        if (NothingThere(status)) return;
        if (platform_.log) platform_.log->Step(std::string(action) + ' ' + what, status);
        if (!status.ok()) failed_.push_back(what);
    }

    RemovalPlatform platform_;
    const std::string playerDirectory_;
    std::vector<std::string> failed_;
};

}  // namespace

std::vector<std::string> ConfigurationFileNames() {
    std::vector<std::string> names = {"hvr.ini", "jobs.ini", "jng.ini", "setback.ini", "deflist.fil"};
    names.reserve(5 + 5 * 300);
    for (int n = 1; n <= 300; ++n) {
        const std::string number = std::to_string(n);
        names.push_back("job" + number + ".fil");
        names.push_back("job" + number + ".lis");
        names.push_back("jng" + number + ".fil");
        names.push_back("hvr" + number + ".fil");
        names.push_back("job" + number + ".day");
    }
    return names;
}

std::vector<std::string> RunRemoval(RemovalPlatform platform, const std::string& playerDirectory) {
    return Removal(platform, playerDirectory).Run();
}

}  // namespace qlr::remover
