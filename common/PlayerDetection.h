#pragma once
// Where the player is installed: the one rule by which the installer and the remover find its
// directory.
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace qlr {

// The key whose default value current players record their directory in: under
// HKEY_CURRENT_USER the player itself records it; under HKEY_LOCAL_MACHINE its installer, a
// 32-bit program, does, so it is in the 32-bit view there.
inline constexpr const char* kPlayerSettingsKey = "Software\\Winamp";

// The player's directory. Its skin-install command comes first: `command` is that value as the
// program read it ("" when it could not be read), and a directory cut out of it (PlayerDirectory)
// is taken as it is, unchecked. Players register that command only while skins are associated
// with them, so when it gives no directory, the directories recorded under HKEY_CURRENT_USER and
// then HKEY_LOCAL_MACHINE (kPlayerSettingsKey) are tried, each taken only when the player's
// program (winamp.exe) is in it, without the trailing '\' the value may end in. Nothing when none
// of them gives a directory.
std::optional<std::string> DetectPlayerDirectory(const std::string& command,
                                                 const RegistryReader& registry,
                                                 const FileRemoval& files);

}  // namespace qlr
