#pragma once
// Where the player keeps its settings file, winamp.ini. A player installed with settings per user
// has a profile file paths.ini directly in its directory, whose key inidir in section [Winamp]
// names the settings directory; this resolves that value.
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Status.h"

namespace qlr {

inline constexpr const char* kPlayerPathsFile = "paths.ini";
inline constexpr const char* kPlayerPathsSection = "Winamp";
inline constexpr const char* kPlayerSettingsDirectoryKey = "inidir";

// The directory an inidir value names, for the player installed in playerDirectory. The value,
// blanks around it ignored, takes these forms:
//  - "{N}" and a path: N a decimal CSIDL number, standing for that special folder of the user who
//    runs the program ("{26}\Winamp": Winamp in the user's Application Data folder); "{N}" alone
//    is the folder itself;
//  - a path with %NAME% environment variables (a '%' without a closing one is itself), among them
//    two of the player's own: %WINAMP_ROOT_DIR%, the root of the player's drive ("C:"), and
//    %WINAMP_PROGRAM_DIR%, the player's directory; names in any letter case;
//  - an absolute path; a path relative to the player's directory; or a path from the root
//    ("\Settings"), on the player's drive.
// The directory comes without a trailing '\', but for a drive's root ("D:\"). It cannot be
// resolved when the value is empty (or its variables give no text), starts with '{' but not with
// "{N}", or gives nothing but backslashes, a network path without its server (the status is then
// kErrorInvalidParameter); or when it names a special folder or a variable the platform cannot
// give (the status is then the platform's).
Result<std::string> ResolveSettingsDirectory(const std::string& inidir,
                                             const std::string& playerDirectory, Shell& shell);

// Makes the settings directory, with each missing parent, as the player would on its first start;
// succeeds when it exists already.
Status MakeSettingsDirectory(FileSystem& files, const std::string& directory);

}  // namespace qlr
