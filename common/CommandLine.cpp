#include "common/CommandLine.h"

#include "common/Paths.h"

namespace qlr {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

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

void RunOptions::Refuse(const std::string& why) {
    if (refusal.empty()) refusal = why;
}

void RunOptions::TakeValue(const Switch& option, std::string& value) {
    if (option.value.empty())
        Refuse(Join({option.text, ": a value is needed, as in /", option.name, "=\"...\""}));
    else if (option.value.find('"') != std::string::npos)
        Refuse(Join({option.text, ": a quote inside the value (a directory that ends in \\ before "
                                  "its closing quote needs that \\ doubled or left out)"}));
    else
        value = option.value;
}

void RunOptions::TakeFlag(const Switch& option, bool& flag) {
    if (option.hasValue)
        Refuse(Join({option.text, ": this switch takes no value"}));
    else
        flag = true;
}

bool AsSwitch(const std::string& argument, Switch& option) {
    if (argument.empty() || argument[0] != '/') return false;
    option.text = argument;
    const std::size_t equals = argument.find('=');
    option.name = Upper(argument.substr(1, equals - 1));
    option.hasValue = equals != std::string::npos;
    if (option.hasValue) option.value = argument.substr(equals + 1);
    return true;
}

bool RunOptions::TakeShared(const Switch& option) {
    switched = true;
    bool flag = false;
    if (option.name == "SILENT" || option.name == "VERYSILENT") {
        TakeFlag(option, flag);
        if (flag && mode != RunMode::VerySilent)
            mode = option.name == "SILENT" ? RunMode::Silent : RunMode::VerySilent;
    } else if (option.name == "LOG") {
        TakeValue(option, logFile);
    } else if (option.name == "?" || option.name == "HELP") {
        TakeFlag(option, help);
    } else {
        return false;
    }
    return true;
}

}  // namespace qlr
