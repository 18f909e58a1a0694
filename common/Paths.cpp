#include "common/Paths.h"

#include "common/LetterCase.h"

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

std::optional<std::string> PlayerDirectory(const std::string& command) {
    std::string program;
    const std::size_t closingQuote = command.find('"', 1);
    if (!command.empty() && command[0] == '"' && closingQuote != std::string::npos) {
        program = command.substr(1, closingQuote - 1);
    } else {
        const std::size_t exe = LowerCase(command).find(".exe");
        if (exe != std::string::npos) program = command.substr(0, exe + 4);
    }
    const std::size_t separator = program.rfind('\\');
    if (separator == std::string::npos) return CutPlayerDirectory(command);
    return program.substr(0, separator);
}

std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text.append(piece.data(), piece.size());
    return text;
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
