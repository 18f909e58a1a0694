#include <gtest/gtest.h>

#include "common/CommandLine.h"

namespace qlr {
namespace {

TEST(CommandLine, SplitsAndUnquotesByTheWindowsRules) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"installer.exe", {}},
        // The program's name: up to its closing quote, or the first blank; nothing else applies.
        {"\"C:\\My Kit\\a\\\"b /x", {"b", "/x"}},
        {"C:\\Kit\\installer.exe\t/SILENT   /LOG=x  ", {"/SILENT", "/LOG=x"}},
        // Quotes around a value, around the whole argument, in the middle; an empty argument.
        {"i.exe /PLAYLIST=\"D:\\Radio Lists\\main.m3u\"", {"/PLAYLIST=D:\\Radio Lists\\main.m3u"}},
        {"i.exe \"/DIR=C:\\Program Files\" a\"b c\"d \"\"", {"/DIR=C:\\Program Files", "ab cd", ""}},
        // Backslashes: literal, except before a quote, where they are halved; an odd one left
        // makes the quote literal, so a directory ending in '\' swallows its closing quote.
        {"i.exe C:\\a\\\\b a\\\\\"b c\" a\\\\\\\"b", {"C:\\a\\\\b", "a\\b c", "a\\\"b"}},
        {"i.exe /DIR=\"C:\\qlr\\\" /SILENT", {"/DIR=C:\\qlr\" /SILENT"}},
        // Runs of quotes in a quoted part: every third, the opening one counted, is literal; the
        // part stays open when one is left over.
        {"i.exe \"a\"\"b c\"", {"a\"b", "c"}},
        {"i.exe \"a\"\"\"b c\"", {"a\"b c"}},
        {"i.exe \"\"\"d\"\"\" e", {"\"d\"", "e"}},
    };
    for (const auto& [line, arguments] : cases) EXPECT_EQ(CommandLineArguments(line), arguments) << line;
}

TEST(CommandLine, SharedSwitchesInAnyCaseTheRestToTheProgramValuesChecked) {
    std::vector<Switch> own;
    auto read = [&own](const std::string& line) {
        RunOptions options;
        ReadSwitches(line, options, [&own](const Switch& option) { own.push_back(option); });
        return options;
    };
    const RunOptions options = read("q.exe dropped.m3u /silent /Log=\"C:\\a=b.log\" /Dir=x /verySILENT /SILENT");
    EXPECT_EQ(options.mode, RunMode::VerySilent);  // the quieter of the two
    EXPECT_EQ(options.logFile + "|" + options.refusal, "C:\\a=b.log|");
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].name + "|" + own[0].value + "|" + own[0].text, "DIR|x|/Dir=x");
    // Arguments that are no switches change nothing: the program runs as without any.
    EXPECT_FALSE(read("q.exe C:\\list.m3u -SILENT").switched);
    EXPECT_EQ(read("q.exe /LOG=a /HELP /LOG=b /?").logFile, "b");  // the last one counts
    const std::pair<const char*, const char*> refused[] = {
        {"q.exe /log=", "/log=: a value is needed"},
        {"q.exe /SILENT=1 /LOG", "/SILENT=1: this switch takes no value"},  // the first reason
        {"q.exe /LOG=\"C:\\Logs\\\" /SILENT", "/LOG=C:\\Logs\" /SILENT: a quote in the value"},
    };
    for (const auto& [line, refusal] : refused)
        EXPECT_EQ(read(line).refusal.substr(0, std::string(refusal).size()), refusal) << line;
}

}  // namespace
}  // namespace qlr
