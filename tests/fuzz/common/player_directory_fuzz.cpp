// The player's directory, cut from its registry command: the input's first line is the command,
// the rest the directory the player records for the user (raw registry data, not always ended
// by a zero), tried when the command gives none. The first line is also taken as a directory and
// written into the command the player registers, from which it must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "common/Paths.h"
#include "common/PlayerDetection.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"

namespace qlr::fuzz {
namespace {

// The directory is the start of the program path the command names: the command without its
// opening quote, or the command itself.
bool StartsTheCommand(const std::string& directory, const std::string& command) {
    return command.compare(0, directory.size(), directory) == 0 ||
           command.compare(1, directory.size(), directory) == 0;
}

void CheckCommand(const std::string& command) {
    const std::optional<std::string> directory = PlayerDirectory(command);
    if (!directory) return;
    Check(directory->size() < command.size(), "the directory is shorter than the command");
    Check(StartsTheCommand(*directory, command), "the directory is where the command starts");
}

void CheckPlayersOwnForm(const std::string& directory) {
    if (directory.find('"') != std::string::npos) return;  // no path holds one
    const std::string command = "\"" + directory + "\\winamp.exe\" \"%1\"";
    Check(CutPlayerDirectory(command) == directory, "the cut gives the directory back");
    Check(PlayerDirectory(command) == directory, "the directory comes back from the player's form");
}

void CheckDetection(const std::string& command, const std::string& recorded) {
    test::FakeFileSystem files;
    files.AddFile("C:\\Program Files\\Winamp\\winamp.exe", "");
    test::FakeRegistry registry;
    registry.Set(kHkeyCurrentUser, kPlayerSettingsKey, "", kRegSz, recorded);
    const std::optional<std::string> detected = DetectPlayerDirectory(command, registry, files);
    if (const std::optional<std::string> fromCommand = PlayerDirectory(command)) {
        Check(detected == fromCommand, "a directory from the command is taken as it is");
    } else if (detected) {
        Check(!detected->empty() && detected->back() != '\\', "a recorded directory comes without its '\\'");
        Check(files.IsFile(*detected + "\\winamp.exe"), "a recorded directory holds the player");
    }
}

}  // namespace
}  // namespace qlr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qlr::fuzz;
    const std::string text = Text(data, size), command = FirstLine(text);
    CheckCommand(command);
    CheckPlayersOwnForm(command);
    CheckDetection(command, AfterFirstLine(text));
    return 0;
}
