#pragma once
// Path and text rules that the installer and the remover share.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlr {

// A directory as a base for file names: a '\' is appended unless it already ends with one.
std::string WithTrailingBackslash(const std::string& directory);

// The player registers its skin-install command as a quoted program path followed by a quoted
// argument placeholder: "C:\Program Files\Winamp\winamp.exe" "%1". The directory is cut out by
// position: the last 17 characters (\winamp.exe" "%1") and then the opening quote are dropped.
// A command too short for that cut (fewer than 18 characters) gives no directory at all.
inline constexpr std::size_t kCommandTailLength = 17;
std::optional<std::string> CutPlayerDirectory(const std::string& command);

// The player's directory from its command, whatever its shape: the program path is the text
// inside a leading pair of double quotes, or else the text up to and including the first ".exe"
// (any letter case); the directory is the part of it before its last '\'. For the player's own
// form this is what the cut by position gives. A command that names no such program path (no
// quotes, no ".exe", or no '\' in the path) is cut by position, with the cut's rules.
std::optional<std::string> PlayerDirectory(const std::string& command);

// The subkey of HKEY_CLASSES_ROOT whose default value holds that command.
inline constexpr const char* kPlayerCommandKey = "Winamp.SkinZip\\shell\\install\\command";

// The pieces one after the other. (One call where a chain of '+' would make a temporary text per
// piece: the programs build many messages, and each chain costs code.)
std::string Join(std::initializer_list<std::string_view> pieces);

// Joins lines with CR LF for a message box, showing at most `most` of them and then
// "... and N more" for the rest.
std::string ListAtMost(const std::vector<std::string>& lines, std::size_t most = 10);

}  // namespace qlr
