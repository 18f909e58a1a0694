#include <gtest/gtest.h>

#include "common/PlayerDetection.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"

namespace qlr {
namespace {

using namespace test;

// The command first, taken unchecked; then the directory the player records for the user, then
// the one its installer records (in the 32-bit view, Wow6432Node), each only with winamp.exe there.
TEST(PlayerDetection, CommandFirstThenRecordedDirectoriesThatHoldThePlayer) {
    const char kUser[] = "D:\\Winamp\\", kMachine[] = "C:\\Winamp", kNoPlayer[] = "E:\\Empty";
    const struct {
        std::string command, user, machine32, machine64;
        std::optional<std::string> directory;
    } cases[] = {
        {"\"E:\\Empty\\winamp.exe\" \"%1\"", kUser, kMachine, "", "E:\\Empty"},
        {std::string(17, 'x'), kUser, kMachine, "", "D:\\Winamp"},
        {"", kNoPlayer, kMachine, "", kMachine},
        {"", "", "", kMachine, std::nullopt},  // the 64-bit view is not the installer's
        {"", "\\", kNoPlayer, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + "|" + c.user + "|" + c.machine32 + "|" + c.machine64);
        FakeFileSystem files;
        for (const char* program : {"C:\\Winamp\\winamp.exe", "D:\\Winamp\\winamp.exe"}) files.AddFile(program, "");
        FakeRegistry registry;
        auto record = [&](std::uint32_t root, const char* key, const std::string& directory) {
            if (!directory.empty()) registry.Set(root, key, "", kRegSz, directory + '\0');
        };
        record(kHkeyCurrentUser, "Software\\Winamp", c.user);
        record(kHkeyLocalMachine, "Software\\Wow6432Node\\Winamp", c.machine32);
        record(kHkeyLocalMachine, "Software\\Winamp", c.machine64);
        EXPECT_EQ(DetectPlayerDirectory(c.command, registry, files), c.directory);
    }
}

}  // namespace
}  // namespace qlr
