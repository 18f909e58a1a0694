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

// Whether the file holds any of the 23 keys with a value other than the one written; a key it
// does not hold changes nothing the station set.
bool HoldsOtherSettings(IniFilez& ini, const std::string& settingsFile);

}  // namespace qlr
