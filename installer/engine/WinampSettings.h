#pragma once
// The player settings the scheduler needs, written into the player's own winamp.ini.
#include <string>

#include "installer/engine/FailedSteps.h"
#include "platform/IniFilez.h"

namespace qlr {

// Writes the 23 values, in order, one profile write each: six in section "Winamp" (among them
// the output plug-in the scheduler needs) and seventeen in that plug-in's section "OUT_DS_SSRC".
// Every other line of the file stays as it was.
void WriteWinampSettings(IniFilez& ini, const std::string& settingsFile, FailedSteps& failed);

// Whether writing the 23 values would change the file: it lacks one of the keys or holds
// another value for it.
bool WouldChangeSettings(IniFilez& ini, const std::string& settingsFile);

}  // namespace qlr
