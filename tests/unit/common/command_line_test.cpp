#include <gtest/gtest.h>

#include "common/CommandLine.h"

namespace qlr {
namespace {

using Strings = std::vector<std::string>;

TEST(CommandLine, SplitsAndUnquotesByTheWindowsRules) {
    const std::pair<const char*, Strings> cases[] = {
        {"installer.exe", {}},
        {"", {}},
        // The program's name: up to its closing quote, or the first blank; nothing else applies.
        {"\"C:\\My Kit\\installer.exe\" /SILENT", {"/SILENT"}},
        {"\"C:\\Kit\\a\\\"b /x", {"b", "/x"}},
        {"C:\\Kit\\installer.exe\t/SILENT   /LOG=x  ", {"/SILENT", "/LOG=x"}},
        // Quotes around a value, around the whole argument, or in the middle of it.
        {"i.exe /PLAYLIST=\"D:\\Radio Lists\\main.m3u\"", {"/PLAYLIST=D:\\Radio Lists\\main.m3u"}},
        {"i.exe \"/DIR=C:\\Program Files\\qlr111\"", {"/DIR=C:\\Program Files\\qlr111"}},
        {"i.exe a\"b c\"d e", {"ab cd", "e"}},
        {"i.exe \"\" x", {"", "x"}},
        // Backslashes: literal, except before a quote, where they are halved.
        {"i.exe C:\\a\\\\b", {"C:\\a\\\\b"}},
        {"i.exe a\\\"b", {"a\"b"}},
        {"i.exe a\\\\\"b c\"", {"a\\b c"}},
        {"i.exe a\\\\\\\"b", {"a\\\"b"}},
        // A directory ending in a backslash before its closing quote swallows the quote.
        {"i.exe /DIR=\"C:\\qlr\\\" /SILENT", {"/DIR=C:\\qlr\" /SILENT"}},
        // Runs of quotes inside a quoted part: every third one, counting the opening quote, is
        // literal; the part stays open when one is left over.
        {"i.exe \"a\"\"b c\"", {"a\"b", "c"}},
        {"i.exe \"a\"\"\"b c\"", {"a\"b c"}},
        {"i.exe \"\"\"a\"\"\" b", {"\"a\"", "b"}},
    };
    for (const auto& [line, arguments] : cases) EXPECT_EQ(CommandLineArguments(line), arguments) << line;
}

// Reads a command line; the program's own switches are collected.
RunOptions Read(const std::string& commandLine, std::vector<Switch>* own = nullptr) {
    RunOptions options;
    ReadSwitches(commandLine, options, [own](const Switch& option) {
        if (own) own->push_back(option);
    });
    return options;
}

TEST(CommandLine, SharedSwitchesIgnoreLetterCaseAndLeaveTheOthers) {
    std::vector<Switch> own;
    RunOptions options = Read(
        "q.exe dropped.m3u /silent /Log=\"C:\\Logs\\a=b.log\" /Dir=x /verySILENT /SILENT /CLOSEPLAYER", &own);
    EXPECT_TRUE(options.switched);
    EXPECT_EQ(options.mode, RunMode::VerySilent);  // the quieter of the two
    EXPECT_EQ(options.logFile, "C:\\Logs\\a=b.log");
    EXPECT_EQ(options.refusal, "");
    ASSERT_EQ(own.size(), 2u);
    EXPECT_EQ(own[0].name, "DIR");
    EXPECT_EQ(own[0].value, "x");
    EXPECT_EQ(own[0].text, "/Dir=x");
    EXPECT_EQ(own[1].name, "CLOSEPLAYER");
    EXPECT_FALSE(own[1].hasValue);

    // Arguments that are no switches change nothing: the program runs as without any.
    RunOptions none = Read("q.exe C:\\list.m3u -SILENT", &own);
    EXPECT_EQ(own.size(), 2u);
    EXPECT_FALSE(none.switched);
    EXPECT_EQ(none.mode, RunMode::Window);
}

TEST(CommandLine, SharedSwitchesRefuseMissingAndUnwantedValues) {
    const std::pair<const char*, const char*> cases[] = {
        {"q.exe /LOG", "/LOG: a value is needed"},
        {"q.exe /log=", "/log=: a value is needed"},
        {"q.exe /SILENT=1", "/SILENT=1: this switch takes no value"},
        {"q.exe /LOG=\"C:\\Logs\\\" /SILENT", "/LOG=C:\\Logs\" /SILENT: a quote in the value"},
        {"q.exe /? /HELP=x /LOG", "/HELP=x: this switch takes no value"},  // the first reason
    };
    for (const auto& [line, refusal] : cases)
        EXPECT_EQ(Read(line).refusal.substr(0, std::string(refusal).size()), refusal) << line;
    RunOptions repeated = Read("q.exe /LOG=a /HELP /LOG=b /?");
    EXPECT_EQ(repeated.logFile, "b");  // the last one counts
    EXPECT_TRUE(repeated.help);
    EXPECT_EQ(repeated.refusal, "");
}

}  // namespace
}  // namespace qlr
