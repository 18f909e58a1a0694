#include "installer/engine/WinampSettings.h"

#include "common/Paths.h"

namespace qlr {

using namespace std::literals;

namespace {

struct Setting {
    const char* section;
    const char* key;
    const char* value;
};

// Key names keep their exact letter case; numbers are plain decimal digits.
const Setting kSettings[] = {
    {"Winamp", "shuffle", "1"},
    {"Winamp", "repeat", "1"},
    {"Winamp", "shuffle_morph_rate", "50"},
    {"Winamp", "minimized", "1"},
    {"Winamp", "timeleftmode", "1"},
    {"Winamp", "outname", "OUT_DS_SSRC.DLL"},
    {"OUT_DS_SSRC", "cfg_fade_stop.usedef", "0"},
    {"OUT_DS_SSRC", "cfg_fade_stop.On", "1"},
    {"OUT_DS_SSRC", "cfg_fade_stop.Time", "1000"},
    {"OUT_DS_SSRC", "cfg_fade_firststart.usedef", "0"},
    {"OUT_DS_SSRC", "cfg_fade_firststart.On", "1"},
    {"OUT_DS_SSRC", "cfg_fade_firststart.Time", "100"},
    {"OUT_DS_SSRC", "cfg_fade_start.usedef", "0"},
    {"OUT_DS_SSRC", "cfg_fade_start.On", "1"},
    {"OUT_DS_SSRC", "cfg_fade_start.Time", "150"},
    {"OUT_DS_SSRC", "cfg_mixing", "2"},
    {"OUT_DS_SSRC", "cfg_autocpu", "1"},
    {"OUT_DS_SSRC", "cfg_killsil", "1"},
    {"OUT_DS_SSRC", "cfg_trackhack", "600"},
    {"OUT_DS_SSRC", "cfg_sil_db", "230"},
    {"OUT_DS_SSRC", "cfg_prebuf2", "600"},
    {"OUT_DS_SSRC", "cfg_buf_ms", "12010"},
    {"OUT_DS_SSRC", "cfg_total_time", "779567"},
};

}  // namespace

void WriteWinampSettings(IniFilez& ini, const std::string& settingsFile, FailedSteps& failed) {
    for (const Setting& setting : kSettings)
        failed.Check(ini.WritePrivateProfileStringA(setting.section, setting.key, setting.value,
                                                    settingsFile),
                     Join({"Write setting "sv, setting.key, " in ["sv, setting.section, "] of "sv, settingsFile}));
}

bool WouldChangeSettings(IniFilez& ini, const std::string& settingsFile) {
    for (const Setting& setting : kSettings) {
        const std::string held = ini.GetPrivateProfileStringA(setting.section, setting.key,
                                                              kMissingProfileValue, settingsFile);
        if (held != setting.value) return true;  // a value it lacks is a change too
    }
    return false;
}

}  // namespace qlr
