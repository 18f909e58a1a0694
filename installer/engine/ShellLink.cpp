#include "installer/engine/ShellLink.h"

#include <cctype>
#include <vector>

#include "common/Paths.h"
#include "installer/engine/FailedSteps.h"

namespace qlr {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Virtual-key codes of the Windows API for one key name (upper case).
std::optional<std::uint8_t> VirtualKey(const std::string& name) {
    if (name.size() == 1 && (std::isupper(static_cast<unsigned char>(name[0])) ||
                             std::isdigit(static_cast<unsigned char>(name[0]))))
        return static_cast<std::uint8_t>(name[0]);  // 'A'..'Z' and '0'..'9' are their own codes
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' && AllDigits(name.substr(1))) {
        int n = std::stoi(name.substr(1));
        if (n >= 1 && n <= 24) return static_cast<std::uint8_t>(0x70 + n - 1);  // VK_F1..VK_F24
        return std::nullopt;
    }
    static const struct {
        const char* name;
        std::uint8_t code;
    } kNamed[] = {
        {"BACKSPACE", 0x08}, {"BACK", 0x08},   {"TAB", 0x09},      {"ENTER", 0x0D},
        {"RETURN", 0x0D},    {"PAUSE", 0x13},  {"ESC", 0x1B},      {"ESCAPE", 0x1B},
        {"SPACE", 0x20},     {"PAGEUP", 0x21}, {"PRIOR", 0x21},    {"PAGEDOWN", 0x22},
        {"NEXT", 0x22},      {"END", 0x23},    {"HOME", 0x24},     {"LEFT", 0x25},
        {"UP", 0x26},        {"RIGHT", 0x27},  {"DOWN", 0x28},     {"INSERT", 0x2D},
        {"DELETE", 0x2E},    {"DEL", 0x2E},
    };
    for (const auto& key : kNamed)
        if (name == key.name) return key.code;
    return std::nullopt;
}

}  // namespace

std::optional<std::uint16_t> ParseHotKey(const std::string& text) {
    if (text.empty()) return 0;
    std::vector<std::string> parts = Split(Upper(text), '+');
    std::uint16_t modifiers = 0;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i] == "ALT") modifiers |= kHotKeyAlt;
        else if (parts[i] == "CTRL") modifiers |= kHotKeyControl;
        else if (parts[i] == "SHIFT") modifiers |= kHotKeyShift;
        else if (parts[i] == "EXT") modifiers |= kHotKeyExt;
        else return std::nullopt;
    }
    std::optional<std::uint8_t> key = VirtualKey(parts.back());
    if (!key) return std::nullopt;
    return static_cast<std::uint16_t>(modifiers << 8 | *key);
}

IconLocation ParseIconLocation(const std::string& text) {
    std::size_t comma = text.rfind(',');
    if (comma != std::string::npos) {
        std::string number = text.substr(comma + 1);
        bool negative = !number.empty() && number[0] == '-';
        std::string digits = negative ? number.substr(1) : number;
        if (AllDigits(digits) && digits.size() <= 9) {
            int index = std::stoi(digits);
            return {text.substr(0, comma), negative ? -index : index};
        }
    }
    return {text, 0};
}

std::optional<SpecialFolder> SpecialFolderOf(std::int32_t dest) {
    switch (dest) {
        case kLinkOnDesktop: return SpecialFolder::Desktop;
        case kLinkInProgramsMenu: return SpecialFolder::Programs;
        case kLinkInStartMenu: return SpecialFolder::StartMenu;
        case kLinkInStartUp: return SpecialFolder::StartUp;
        default: return std::nullopt;
    }
}

Status CreateLink(ShellServices services, std::int32_t dest, const std::string& sName,
                  const std::string& sPath, const std::string& HotKey, const std::string& sIcon,
                  const std::string& sWorkingDirectory, const std::string& sSubFolder,
                  std::int16_t iWinStyle, std::string* linkPath) {
    std::optional<SpecialFolder> special = SpecialFolderOf(dest);
    if (!special) return Status::Fail(kErrorInvalidParameter);
    std::string folder;
    Status status = services.shell.SpecialFolderPath(*special, folder);
    if (!status.ok()) return status;

    if (!sSubFolder.empty()) {
        folder = WithTrailingBackslash(folder) + sSubFolder;
        services.files.MakeDirectory(folder);  // exists already, or the save below tells
    }
    const std::string path = WithTrailingBackslash(folder) + sName + ".lnk";
    if (linkPath) *linkPath = path;

    std::optional<std::uint16_t> hotKey = ParseHotKey(HotKey);
    if (!hotKey) return Status::Fail(kErrorInvalidParameter);
    const IconLocation icon = ParseIconLocation(sIcon);

    Shortcut shortcut;
    shortcut.showCommand = iWinStyle;
    shortcut.hotKey = *hotKey;
    shortcut.target = sPath;
    shortcut.iconPath = icon.path;
    shortcut.iconIndex = icon.index;
    shortcut.description = sName;
    shortcut.workingDirectory = sWorkingDirectory;
    return services.shell.SaveShortcut(path, shortcut);
}

}  // namespace qlr
