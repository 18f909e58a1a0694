// The command line: split into arguments by the Windows rules, then read as the installer's
// switches. The input is the text after a program's name; its lines are also taken as arguments,
// quoted the way programs quote them for CreateProcess, which the split must give back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "common/CommandLine.h"
#include "installer/engine/InstallSequence.h"
#include "installer/unattended/InstallerOptions.h"

namespace qlr::fuzz {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// An argument in quotes: backslashes before a quote, and before the closing one, are doubled,
// and a quote in it gets a backslash of its own.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

// Without quotes nothing is special: the words between blanks and tabs, as they are.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ' ') {
        if (!IsBlank(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool HasQuote(const std::string& text) { return text.find('"') != std::string::npos; }

void CheckSplit(const std::string& arguments) {
    const std::string line = "installer.exe " + arguments;
    const std::vector<std::string> split = CommandLineArguments(line);
    std::size_t characters = 0;
    for (const std::string& argument : split) characters += argument.size();
    Check(characters <= arguments.size(), "the arguments hold no more characters than the line");
    if (!HasQuote(arguments)) Check(split == Words(arguments), "without quotes the arguments are the words");

    const std::vector<std::string> given = Lines(arguments);
    std::string quotedLine = "\"C:\\Kit folder\\installer.exe\"";
    for (const std::string& argument : given) quotedLine += ' ' + Quoted(argument);
    Check(CommandLineArguments(quotedLine) == given, "quoted arguments come back unchanged");
}

void CheckInstallerOptions(const std::string& arguments) {
    const InstallerOptions options = ParseInstallerOptions("installer.exe " + arguments);
    if (!options.switched)
        Check(options.refusal.empty() && options.mode == RunMode::Window && !options.help,
              "a line without switches runs at the window");
    if (!options.refusal.empty() || options.help) return;
    Check(!HasQuote(options.playlist) && !HasQuote(options.directory) && !HasQuote(options.logFile),
          "an accepted path holds no quote");
    if (options.Unattended())
        Check(options.playlist.size() >= kShortestPlaylist &&
                  (options.directory.empty() || options.directory.size() >= kShortestDirectory),
              "an accepted unattended install has paths the install's checks take");
    else
        Check(options.playlist.empty() && options.directory.empty() && !options.closePlayer,
              "at the window the install's own switches are not taken");
}

}  // namespace
}  // namespace qlr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string arguments = qlr::fuzz::Text(data, size);
    qlr::fuzz::CheckSplit(arguments);
    qlr::fuzz::CheckInstallerOptions(arguments);
    return 0;
}
