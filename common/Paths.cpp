#include "common/Paths.h"

namespace qlr {

std::string WithTrailingBackslash(const std::string& directory) {
    if (!directory.empty() && directory.back() == '\\') return directory;
    return directory + '\\';
}

std::optional<std::string> CutPlayerDirectory(const std::string& command) {
    if (command.size() < kCommandTailLength + 1) return std::nullopt;
    std::string directory = command.substr(0, command.size() - kCommandTailLength);
    return directory.substr(1);
}

std::string ListAtMost(const std::vector<std::string>& lines, std::size_t most) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i) {
        if (!text.empty()) text += "\r\n";
        text += lines[i];
    }
    if (lines.size() > most) text += "\r\n... and " + std::to_string(lines.size() - most) + " more";
    return text;
}

}  // namespace qlr
