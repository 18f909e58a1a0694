#include "common/CommandLine.h"

#include "common/LetterCase.h"
#include "common/Paths.h"

namespace qlr {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> CommandLineArguments(const std::string& line) {
    const std::size_t end = line.size();
    std::size_t at = 0;
    if (end != 0 && line[0] == '"') {
        const std::size_t quote = line.find('"', 1);
        at = quote == std::string::npos ? end : quote + 1;
    } else {
        while (at < end && !IsBlank(line[at])) ++at;
    }

    std::vector<std::string> arguments;
    std::string argument;
    bool inArgument = false;
    int quotes = 0;  // 1 inside a quoted part
    std::size_t backslashes = 0;
    while (at < end) {
        const char c = line[at++];
        if (IsBlank(c) && quotes == 0) {
            if (inArgument) arguments.push_back(argument);
            argument.clear();
            inArgument = false;
            backslashes = 0;
            continue;
        }
        inArgument = true;
        if (c != '"') {
            argument += c;
            backslashes = c == '\\' ? backslashes + 1 : 0;
            continue;
        }
        // Half the backslashes stay; an odd one left over makes the quote a literal one.
        argument.resize(argument.size() - backslashes / 2);
        if (backslashes % 2 == 1)
            argument.back() = '"';
        else
            ++quotes;
        backslashes = 0;
        for (; at < end && line[at] == '"'; ++at) {
            if (++quotes == 3) {
                argument += '"';
                quotes = 0;
            }
        }
        if (quotes == 2) quotes = 0;
    }
    if (inArgument) arguments.push_back(argument);
    return arguments;
}

void RunOptions::Take(const Switch& option, std::string* value, bool* flag) {
    const char* problem = nullptr;
    if (!value)
        problem = option.hasValue ? ": this switch takes no value" : nullptr;
    else if (option.value.empty())
        problem = ": a value is needed";
    else if (option.value.find('"') != std::string::npos)
        problem = ": a quote in the value (end a directory without \\)";
    if (problem)
        Refuse(option.text + problem);
    else if (value)
        *value = option.value;
    else
        *flag = true;
}

bool AsSwitch(const std::string& argument, Switch& option) {
    if (argument.empty() || argument[0] != '/') return false;
    option.text = argument;
    const std::size_t equals = argument.find('=');
    option.name.assign(argument, 1, equals - 1);
    for (char& c : option.name) c = UpperCase(c);
    option.hasValue = equals != std::string::npos;
    if (option.hasValue) option.value.assign(argument, equals + 1, std::string::npos);
    return true;
}

bool RunOptions::TakeShared(const Switch& option) {
    switched = true;
    static const char* const kShared[] = {"SILENT", "VERYSILENT", "LOG", "?", "HELP"};
    int which = 0;
    while (which < 5 && option.name != kShared[which]) ++which;
    if (which == 5) return false;
    if (which == 2) {
        TakeValue(option, logFile);
        return true;
    }
    bool flag = false;
    TakeFlag(option, which < 2 ? flag : help);
    // The quieter of /SILENT and /VERYSILENT wins.
    if (flag && mode != RunMode::VerySilent) mode = which == 0 ? RunMode::Silent : RunMode::VerySilent;
    return true;
}

}  // namespace qlr
