#include "installer/engine/ShellLink.h"

#include <cctype>
#include <vector>

#include "common/LetterCase.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "platform/WindowsValues.h"

namespace qlr {

namespace {

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

// The virtual-key code for one key name (upper case).
std::optional<std::uint8_t> VirtualKey(const std::string& name) {
    if (name.size() == 1 && (std::isupper(static_cast<unsigned char>(name[0])) ||
                             std::isdigit(static_cast<unsigned char>(name[0]))))
        return static_cast<std::uint8_t>(name[0]);  // 'A'..'Z' and '0'..'9' are their own codes
    // Read as an int, the one number type the installer converts from text elsewhere: a second
    // type would bring its own conversion code (about 700 bytes). A sign is out of range below.
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F')
        if (std::optional<int> n = DecimalNumber<int>(std::string_view(name).substr(1))) {
            if (*n >= 1 && *n <= 24) return static_cast<std::uint8_t>(kVkF1 + *n - 1);
            return std::nullopt;
        }
    static const struct {
        const char* name;
        std::uint8_t code;
    } kNamed[] = {
        {"BACKSPACE", kVkBack}, {"BACK", kVkBack},     {"TAB", kVkTab},       {"ENTER", kVkReturn},
        {"RETURN", kVkReturn},  {"PAUSE", kVkPause},   {"ESC", kVkEscape},    {"ESCAPE", kVkEscape},
        {"SPACE", kVkSpace},    {"PAGEUP", kVkPrior},  {"PRIOR", kVkPrior},   {"PAGEDOWN", kVkNext},
        {"NEXT", kVkNext},      {"END", kVkEnd},       {"HOME", kVkHome},     {"LEFT", kVkLeft},
        {"UP", kVkUp},          {"RIGHT", kVkRight},   {"DOWN", kVkDown},     {"INSERT", kVkInsert},
        {"DELETE", kVkDelete},  {"DEL", kVkDelete},
    };
    for (const auto& key : kNamed)
        if (name == key.name) return key.code;
    return std::nullopt;
}

}  // namespace

std::optional<std::uint16_t> ParseHotKey(const std::string& text) {
    if (text.empty()) return 0;
    std::vector<std::string> parts = Split(UpperCase(text), '+');
    std::uint16_t modifiers = 0;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i] == "ALT") modifiers |= kHotkeyfAlt;
        else if (parts[i] == "CTRL") modifiers |= kHotkeyfControl;
        else if (parts[i] == "SHIFT") modifiers |= kHotkeyfShift;
        else if (parts[i] == "EXT") modifiers |= kHotkeyfExt;
        else return std::nullopt;
    }
    std::optional<std::uint8_t> key = VirtualKey(parts.back());
    if (!key) return std::nullopt;
    return static_cast<std::uint16_t>(modifiers << 8 | *key);
}

IconLocation ParseIconLocation(const std::string& text) {
    const std::size_t comma = text.rfind(',');
    if (comma != std::string::npos) {
        const std::string_view number = std::string_view(text).substr(comma + 1);
        // At most nine digits, with or without a '-' before them.
        const std::size_t digits = number.size() - (!number.empty() && number[0] == '-');
        if (std::optional<int> index = DecimalNumber<int>(number); index && digits <= 9)
            return {text.substr(0, comma), *index};
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

Status CreateLink(ShellServices services, const LinkRequest& link, std::string* linkPath) {
    std::optional<SpecialFolder> special = SpecialFolderOf(link.dest);
    if (!special) return Status::Fail(kErrorInvalidParameter);
    std::string folder;
    Status status = services.shell.SpecialFolderPath(*special, folder);
    if (!status.ok()) return status;

    if (!link.subFolder.empty()) {
        folder = WithTrailingBackslash(folder) + link.subFolder;
        services.files.MakeDirectory(folder);  // exists already, or the save below tells
    }
    const std::string path = WithTrailingBackslash(folder) + link.name + ".lnk";
    if (linkPath) *linkPath = path;

    std::optional<std::uint16_t> hotKey = ParseHotKey(link.hotKey);
    if (!hotKey) return Status::Fail(kErrorInvalidParameter);
    const IconLocation icon = ParseIconLocation(link.icon);

    Shortcut shortcut;
    shortcut.showCommand = link.windowStyle;
    shortcut.hotKey = *hotKey;
    shortcut.target = link.target;
    shortcut.iconPath = icon.path;
    shortcut.iconIndex = icon.index;
    shortcut.description = link.name;
    shortcut.workingDirectory = link.workingDirectory;
    return services.shell.SaveShortcut(path, shortcut);
}

}  // namespace qlr
