#include <gtest/gtest.h>

#include "common/PlayerDetection.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"

namespace qlr {
namespace {

using namespace test;

const char kCommand[] = "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"";
const char kEmptyCommand[] = "\"E:\\Empty\\winamp.exe\" \"%1\"";  // no player there
const char kUserKey[] = "Software\\Winamp";
const char kMachineKey32[] = "Software\\Wow6432Node\\Winamp";  // the 32-bit view of Software\Winamp

struct Recorded {
    std::uint32_t root;
    const char* key;
    std::string data;
    std::uint32_t type = kRegSz;
};

TEST(PlayerDetection, CommandFirstThenTheRecordedDirectoriesThatHoldThePlayer) {
    const std::string sz(1, '\0');  // the terminating zero of a stored string
    const struct {
        const char* name;
        std::string command;  // "": none read
        std::vector<Recorded> recorded;
        std::optional<std::string> directory;
    } cases[] = {
        {"command", kCommand, {{kHkeyCurrentUser, kUserKey, "D:\\Winamp" + sz}}, "C:\\Program Files\\Winamp"},
        {"command taken unchecked", kEmptyCommand, {{kHkeyCurrentUser, kUserKey, "D:\\Winamp" + sz}}, "E:\\Empty"},
        {"user's", "", {{kHkeyCurrentUser, kUserKey, "D:\\Winamp" + sz}}, "D:\\Winamp"},
        {"user's after a command too short to cut", std::string(17, 'x'),
         {{kHkeyCurrentUser, kUserKey, "D:\\Winamp" + sz}}, "D:\\Winamp"},
        {"trailing backslash", "", {{kHkeyCurrentUser, kUserKey, "D:\\Winamp\\" + sz}}, "D:\\Winamp"},
        {"player at a drive root", "", {{kHkeyCurrentUser, kUserKey, "F:\\" + sz}}, "F:"},
        {"user's before the machine's",
         "",
         {{kHkeyLocalMachine, kMachineKey32, "C:\\Program Files\\Winamp" + sz},
          {kHkeyCurrentUser, kUserKey, "D:\\Winamp" + sz}},
         "D:\\Winamp"},
        {"machine's when the user's has no player",
         "",
         {{kHkeyCurrentUser, kUserKey, "E:\\Empty" + sz},
          {kHkeyLocalMachine, kMachineKey32, "C:\\Program Files\\Winamp" + sz}},
         "C:\\Program Files\\Winamp"},
        {"machine's when the user's is no plain string",
         "",
         {{kHkeyCurrentUser, kUserKey, "D:\\Winamp" + sz, kRegExpandSz},
          {kHkeyLocalMachine, kMachineKey32, "C:\\Program Files\\Winamp" + sz}},
         "C:\\Program Files\\Winamp"},
        {"machine's only in the 32-bit view", "", {{kHkeyLocalMachine, kUserKey, "D:\\Winamp" + sz}}, std::nullopt},
        {"recorded directories without the player",
         "",
         {{kHkeyCurrentUser, kUserKey, "E:\\Empty" + sz}, {kHkeyLocalMachine, kMachineKey32, "G:\\Gone" + sz}},
         std::nullopt},
        {"empty and root-only values", "",
         {{kHkeyCurrentUser, kUserKey, sz}, {kHkeyLocalMachine, kMachineKey32, "\\" + sz}}, std::nullopt},
        {"nothing", "", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileSystem files;
        files.AddDrive('D', DriveType::Fixed, "", true);
        files.AddDrive('E', DriveType::Fixed, "", true);
        files.AddDrive('F', DriveType::Fixed, "", true);
        for (const char* directory : {"C:\\Program Files", "C:\\Program Files\\Winamp", "D:\\Winamp", "E:\\Empty"})
            files.AddDirectory(directory);
        for (const char* program : {"C:\\Program Files\\Winamp\\winamp.exe", "D:\\Winamp\\winamp.exe", "F:\\winamp.exe"})
            files.AddFile(program, "");
        FakeRegistry registry;
        for (const Recorded& value : c.recorded) registry.Set(value.root, value.key, "", value.type, value.data);
        EXPECT_EQ(DetectPlayerDirectory(c.command, registry, files), c.directory);
    }
}

}  // namespace
}  // namespace qlr
