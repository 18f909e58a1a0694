#include "common/PlayerDetection.h"

#include "common/Paths.h"
#include "common/RegistryString.h"

namespace qlr {

std::optional<std::string> DetectPlayerDirectory(const std::string& command,
                                                 const RegistryReader& registry,
                                                 const FileRemoval& files) {
    std::optional<std::string> directory = PlayerDirectory(command);
    if (directory) return directory;
    // Where the player records itself, in the order they are tried.
    const struct {
        std::uint32_t root;
        RegistryView view;
    } places[] = {{kHkeyCurrentUser, RegistryView::Native}, {kHkeyLocalMachine, RegistryView::Bits32}};
    const std::string key = kPlayerSettingsKey, defaultValue;  // the value named ""
    std::string recorded;
    for (const auto& place : places) {
        if (!ReadStringValue(registry, place.root, key, defaultValue, recorded, place.view)) continue;
        while (!recorded.empty() && recorded.back() == '\\') recorded.pop_back();
        if (!recorded.empty() && files.IsFile(recorded + "\\winamp.exe")) return recorded;
    }
    return std::nullopt;
}

}  // namespace qlr
