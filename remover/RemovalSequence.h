#pragma once
// The removal behind the remover's "&Yes": deletes the scheduler's configuration files from the
// player's directory and its program files from the install directory, and lists what stayed.
// It works on the platform's services only, so the window decides what to show of it.
#include <string>
#include <vector>

#include "common/RunLog.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace qlr::remover {

// The platform services the removal steps work with.
struct RemovalPlatform {
    FileRemoval& files;
    StepRegistry& registry;
    RunLog* log = nullptr;  // a run started with switches logs every step here, done or failed
};

// The configuration files, in the order of deletion: the five files the installer writes, then
// their numbered companions 1 to 300.
std::vector<std::string> ConfigurationFileNames();
// The program files, in the order of deletion. The remover's own file is not among them.
inline constexpr const char* kProgramFile = "qlr111.exe";
inline constexpr const char* kDialogLibrary = "comdlg32.dll";

// Deletes the configuration files from the player's directory ("" when none was found: then none)
// and the program files from the current directory when the scheduler's program is there. Returns
// what is still there although its deletion was asked for (a file that was not there is no
// failure), in the order of deletion.
std::vector<std::string> RunRemoval(RemovalPlatform platform, const std::string& playerDirectory);

}  // namespace qlr::remover
