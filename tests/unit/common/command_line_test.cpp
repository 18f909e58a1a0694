#include <gtest/gtest.h>

#include "common/CommandLine.h"

namespace qlr {
namespace {

// The switches themselves, as the installer reads them: installer_options_test.cpp.
TEST(CommandLine, SplitsAndUnquotesByTheWindowsRules) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"installer.exe", {}},
        // The program's name: up to its closing quote, or the first blank; nothing else applies.
        {"\"C:\\My Kit\\a\\\"b /x", {"b", "/x"}},
        {"C:\\Kit\\installer.exe\t/SILENT   /LOG=x  ", {"/SILENT", "/LOG=x"}},
        // Quotes around the whole argument, in the middle; an empty argument.
        {"i.exe \"/DIR=C:\\Program Files\" a\"b c\"d \"\"", {"/DIR=C:\\Program Files", "ab cd", ""}},
        // Backslashes: literal, except before a quote, where they are halved; an odd one left
        // makes the quote literal.
        {"i.exe C:\\a\\\\b a\\\\\"b c\" a\\\\\\\"b", {"C:\\a\\\\b", "a\\b c", "a\\\"b"}},
        // Runs of quotes in a quoted part: every third, the opening one counted, is literal; the
        // part stays open when one is left over.
        {"i.exe \"a\"\"b c\"", {"a\"b", "c"}},
        {"i.exe \"a\"\"\"b c\"", {"a\"b c"}},
    };
    for (const auto& [line, arguments] : cases) EXPECT_EQ(CommandLineArguments(line), arguments) << line;
}

}  // namespace
}  // namespace qlr
