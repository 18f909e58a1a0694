#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShell.h"
#include "installer/engine/FailedSteps.h"
#include "installer/engine/SettingsDirectory.h"

namespace qlr {
namespace {

using namespace test;

const char kPlayer[] = "D:\\Program Files\\Winamp";
const char kAppData[] = "C:\\Users\\dj\\AppData\\Roaming";

class SettingsDirectory : public ::testing::Test {
protected:
    SettingsDirectory() {
        shell.csidlFolders[26] = kAppData;
        shell.csidlFolders[5] = "C:\\Users\\dj\\Documents";
        shell.environment["APPDATA"] = kAppData;
        shell.environment["UserProfile"] = "C:\\Users\\dj";
        shell.environment["USERNAME"] = "dj";
    }
    Result<std::string> Resolve(const std::string& value, const std::string& player = kPlayer) {
        return ResolveSettingsDirectory(value, player, shell);
    }

    FakeFileSystem files;
    FakeShell shell{files};
};

TEST_F(SettingsDirectory, ResolvesEveryFormOfTheValue) {
    const struct {
        const char* value;
        const char* directory;
    } cases[] = {
        {"{26}\\Winamp", "C:\\Users\\dj\\AppData\\Roaming\\Winamp"},  // the usual value
        {"{5}\\My Settings\\Winamp", "C:\\Users\\dj\\Documents\\My Settings\\Winamp"},
        {"{26}", kAppData},
        {"{26}\\", kAppData},
        {"{026}Winamp", "C:\\Users\\dj\\AppData\\Roaming\\Winamp"},
        {"{26}\\Winamp\\%USERNAME%", "C:\\Users\\dj\\AppData\\Roaming\\Winamp\\dj"},
        {"%APPDATA%\\Winamp", "C:\\Users\\dj\\AppData\\Roaming\\Winamp"},
        {"%appdata%\\Winamp\\", "C:\\Users\\dj\\AppData\\Roaming\\Winamp"},
        {"%USERPROFILE%\\%UserName%", "C:\\Users\\dj\\dj"},
        {"%WINAMP_PROGRAM_DIR%\\Settings", "D:\\Program Files\\Winamp\\Settings"},
        {"%winamp_program_dir%", kPlayer},
        {"%WINAMP_ROOT_DIR%\\Winamp Settings", "D:\\Winamp Settings"},
        {"%Winamp_Root_Dir%", "D:\\"},
        {"50%\\Winamp", "D:\\Program Files\\Winamp\\50%\\Winamp"},  // no closing '%'
        {"E:\\Radio\\Settings", "E:\\Radio\\Settings"},
        {"E:\\Radio\\Settings\\\\", "E:\\Radio\\Settings"},
        {"E:\\", "E:\\"},
        {"\\\\server\\share\\Winamp\\", "\\\\server\\share\\Winamp"},
        {"\\Settings", "D:\\Settings"},
        {"Settings", "D:\\Program Files\\Winamp\\Settings"},
        {"Settings\\", "D:\\Program Files\\Winamp\\Settings"},
        {"  \t{26}\\Winamp \t ", "C:\\Users\\dj\\AppData\\Roaming\\Winamp"},
        {" E:\\Radio ", "E:\\Radio"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const Result<std::string> resolved = Resolve(c.value);
        EXPECT_TRUE(resolved.ok());
        EXPECT_EQ(resolved.value, c.directory);
    }
}

TEST_F(SettingsDirectory, PlayersOwnVariablesFollowThePlayersPlace) {
    EXPECT_EQ(Resolve("%WINAMP_ROOT_DIR%\\S", "\\\\server\\share\\Winamp").value, "\\\\server\\share\\S");
    EXPECT_EQ(Resolve("%WINAMP_PROGRAM_DIR%\\S", "C:").value, "C:\\S");
    EXPECT_EQ(Resolve("S", "C:").value, "C:\\S");
    EXPECT_EQ(Resolve("%WINAMP_ROOT_DIR%", "Winamp").status.error, kErrorInvalidParameter);
}

TEST_F(SettingsDirectory, SaysWhenAValueCannotBeResolved) {
    const struct {
        const char* value;
        std::uint32_t error;
    } cases[] = {
        {"", kErrorInvalidParameter},
        {" \t ", kErrorInvalidParameter},
        {"{99}\\Winamp", kErrFileNotFound},       // a folder the platform cannot give
        {"{}\\Winamp", kErrorInvalidParameter},
        {"{x}\\Winamp", kErrorInvalidParameter},
        {"{26\\Winamp", kErrorInvalidParameter},
        {"{-1}\\Winamp", kErrorInvalidParameter},
        {"{1234567890}", kErrorInvalidParameter},
        {"%NOSUCH%\\Winamp", kErrEnvironmentVariableNotFound},
        {"{26}\\%NOSUCH%", kErrEnvironmentVariableNotFound},
        {"%%\\Winamp", kErrEnvironmentVariableNotFound},  // a name of no letters
        {"%EMPTY%", kErrorInvalidParameter},               // variables that give no text
    };
    shell.environment["EMPTY"] = "";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const Result<std::string> resolved = Resolve(c.value);
        EXPECT_FALSE(resolved.ok());
        EXPECT_EQ(resolved.status.error, c.error);
    }
}

}  // namespace
}  // namespace qlr
