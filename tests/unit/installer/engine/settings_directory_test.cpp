#include <gtest/gtest.h>

#include "fakes/FakeShell.h"
#include "installer/engine/FailedSteps.h"
#include "installer/engine/SettingsDirectory.h"

namespace qlr {
namespace {

using namespace test;

TEST(SettingsDirectory, ResolvesEachFormOfTheValueOrSaysWhyNot) {
    FakeFileSystem files;
    FakeShell shell{files};
    shell.csidlFolders[26] = "C:\\Users\\dj\\AppData";
    shell.environment["USERPROFILE"] = "C:\\Users\\dj";
    shell.environment["USERNAME"] = "dj";
    const struct {
        const char* value;
        const char* directory;  // or the error
        std::uint32_t error;
    } cases[] = {
        {"{26}\\Winamp", "C:\\Users\\dj\\AppData\\Winamp"},  // the usual value
        {" \t{26}\\Winamp\\ ", "C:\\Users\\dj\\AppData\\Winamp"},
        {"{26}", "C:\\Users\\dj\\AppData"},
        {"{026}Winamp\\%USERNAME%", "C:\\Users\\dj\\AppData\\Winamp\\dj"},
        {"%USERPROFILE%\\Radio", "C:\\Users\\dj\\Radio"},
        {"%Winamp_Program_Dir%\\Settings", "D:\\Apps\\Winamp\\Settings"},
        {"%WINAMP_ROOT_DIR%", "D:\\"},
        {"50%\\Radio", "D:\\Apps\\Winamp\\50%\\Radio"},  // no closing '%'
        {"E:\\Radio\\\\", "E:\\Radio"},
        {"\\\\server\\share\\Radio", "\\\\server\\share\\Radio"},
        {"\\Radio", "D:\\Radio"},
        {"Radio", "D:\\Apps\\Winamp\\Radio"},
        {"", nullptr, kErrorInvalidParameter},
        {"{x}\\Winamp", nullptr, kErrorInvalidParameter},
        {"{26\\Winamp", nullptr, kErrorInvalidParameter},
        {"{99}\\Winamp", nullptr, kErrorFileNotFound},  // a folder the platform cannot give
        {"%NOSUCH%\\Winamp", nullptr, kErrorEnvvarNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const Result<std::string> resolved = ResolveSettingsDirectory(c.value, "D:\\Apps\\Winamp", shell);
        EXPECT_EQ(resolved.status.error, c.error);
        if (c.directory) EXPECT_EQ(resolved.value, c.directory);
    }
}

}  // namespace
}  // namespace qlr
