#include <gtest/gtest.h>

#include "common/RegistryString.h"
#include "fakes/FakeRegistry.h"

namespace qlr {
namespace {

using namespace test;

const char kKitKey[] = "Software\\Quillora";

// What a step stores through the writer, byte for byte as the registry keeps it, read back as a
// step reads it, and taken away again: the values, then the key the kit made.
TEST(StepRegistry, StoresStringsAndNumbersAsTheRegistryKeepsThemAndTakesThemAway) {
    FakeRegistry fake;
    StepRegistry& registry = fake;  // as the install and removal steps hold it
    ASSERT_TRUE(registry.SetStringValue(kHkeyCurrentUser, kKitKey, "InstallDir", "D:\\Radio\\qlr111").ok());
    ASSERT_TRUE(registry.SetStringValue(kHkeyCurrentUser, kKitKey, "Empty", "").ok());
    ASSERT_TRUE(registry.SetNumberValue(kHkeyCurrentUser, kKitKey, "Version", 0x01020304).ok());
    ASSERT_TRUE(registry.SetNumberValue(kHkeyCurrentUser, kKitKey, "All", 0xFFFFFFFFu).ok());
    const struct {
        const char* name;
        std::uint32_t type;
        std::string data;
    } stored[] = {
        {"InstallDir", kRegSz, std::string("D:\\Radio\\qlr111\0", 16)},
        {"Empty", kRegSz, std::string(1, '\0')},
        {"Version", kRegDword, "\x04\x03\x02\x01"},
        {"All", kRegDword, "\xFF\xFF\xFF\xFF"},
    };
    for (const auto& value : stored) {
        SCOPED_TRACE(value.name);
        const std::optional<FakeRegistry::Value> found = fake.Get(kHkeyCurrentUser, kKitKey, value.name);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->type, value.type);
        EXPECT_EQ(found->data, value.data);
    }
    std::string text;
    ASSERT_TRUE(ReadStringValue(registry, kHkeyCurrentUser, kKitKey, "InstallDir", text));
    EXPECT_EQ(text, "D:\\Radio\\qlr111");

    EXPECT_EQ(registry.DeleteKey(kHkeyCurrentUser, "Software").error, kErrorAccessDenied);  // not the kit's
    for (const auto& value : stored) EXPECT_TRUE(registry.DeleteValue(kHkeyCurrentUser, kKitKey, value.name).ok());
    EXPECT_EQ(registry.DeleteValue(kHkeyCurrentUser, kKitKey, "InstallDir").error, kErrorFileNotFound);
    EXPECT_TRUE(registry.DeleteKey(kHkeyCurrentUser, kKitKey).ok());
    EXPECT_FALSE(fake.HasKey(kHkeyCurrentUser, kKitKey));
    EXPECT_TRUE(fake.HasKey(kHkeyCurrentUser, "Software"));
}

}  // namespace
}  // namespace qlr
