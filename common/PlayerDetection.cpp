#include "common/PlayerDetection.h"

#include "common/Paths.h"
#include "common/RegistryString.h"

namespace qlr {

namespace {

// The directory recorded as the key's default value, when the player's program is there.
std::optional<std::string> RecordedDirectory(const Registry& registry, const FileSystem& files,
                                             std::uint32_t root, RegistryView view) {
    std::optional<std::string> directory = ReadStringValue(registry, root, kPlayerSettingsKey, "", view);
    if (!directory) return std::nullopt;
    while (!directory->empty() && directory->back() == '\\') directory->pop_back();
    if (directory->empty() || !files.IsFile(*directory + '\\' + kPlayerProgramFile)) return std::nullopt;
    return directory;
}

}  // namespace

std::optional<std::string> DetectPlayerDirectory(const std::optional<std::string>& command,
                                                 const Registry& registry, const FileSystem& files) {
    if (command)
        if (std::optional<std::string> directory = PlayerDirectory(*command)) return directory;
    if (std::optional<std::string> directory =
            RecordedDirectory(registry, files, kHkeyCurrentUser, RegistryView::Native))
        return directory;
    return RecordedDirectory(registry, files, kHkeyLocalMachine, RegistryView::Bits32);
}

}  // namespace qlr
