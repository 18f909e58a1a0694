#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "installer/registry/RegistryMethods.h"

namespace qlr {
namespace {

using test::FakeRegistry;

const char kKey[] = "Software\\Test";

std::string Read(const FakeRegistry& registry, const std::string& name = "") {
    return ReadRegistry(registry, kHkeyCurrentUser, kKey, name);
}

TEST(ReadRegistry, StringsLoseOnlyTheirTerminatingZero) {
    FakeRegistry registry;
    registry.Set(kHkeyCurrentUser, kKey, "", kRegSz, std::string("C:\\Winamp\0", 10));
    registry.Set(kHkeyCurrentUser, kKey, "one", kRegSz, std::string(1, '\0'));
    registry.Set(kHkeyCurrentUser, kKey, "zero", kRegSz, "");
    registry.Set(kHkeyCurrentUser, kKey, "expand", kRegExpandSz, std::string("%WINDIR%\0", 9));
    registry.Set(kHkeyCurrentUser, kKey, "nul", kRegSz, std::string("ab\0cd\0", 6));
    EXPECT_EQ(Read(registry), "C:\\Winamp");
    EXPECT_EQ(Read(registry, "one"), "");
    EXPECT_EQ(Read(registry, "zero"), "");  // not 2048 blanks
    EXPECT_EQ(Read(registry, "expand"), "%WINDIR%");
    EXPECT_EQ(Read(registry, "nul"), std::string("ab\0cd", 5));
}

TEST(ReadRegistry, NumbersKeepTheirWholeDecimalText) {
    FakeRegistry registry;
    auto dword = [&](const std::string& name, std::uint32_t n) {
        std::string bytes{char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF),
                          char(n >> 24)};
        registry.Set(kHkeyCurrentUser, kKey, name, kRegDword, bytes);
    };
    dword("seven", 7);
    dword("big", 12345);
    dword("max", 0xFFFFFFFFu);
    dword("zero", 0);
    EXPECT_EQ(Read(registry, "seven"), "007");
    EXPECT_EQ(Read(registry, "big"), "12345");
    EXPECT_EQ(Read(registry, "max"), "4294967295");
    EXPECT_EQ(Read(registry, "zero"), "000");
}

TEST(ReadRegistry, BinaryIsUpperCaseHexPairs) {
    FakeRegistry registry;
    registry.Set(kHkeyCurrentUser, kKey, "bin", kRegBinary, "\x0A\xFF\x01");
    registry.Set(kHkeyCurrentUser, kKey, "empty", kRegBinary, "");
    EXPECT_EQ(Read(registry, "bin"), "0AFF01");
    EXPECT_EQ(Read(registry, "empty"), "");
}

TEST(ReadRegistry, NotFoundForMissingKeysValuesAndDataOverTheBuffer) {
    FakeRegistry registry;
    EXPECT_EQ(Read(registry), "Not Found");
    registry.Set(kHkeyCurrentUser, kKey, "other", kRegSz, std::string("x\0", 2));
    EXPECT_EQ(Read(registry), "Not Found");
    registry.Set(kHkeyCurrentUser, kKey, "", kRegSz, std::string(2047, 'a') + '\0');
    EXPECT_EQ(Read(registry), std::string(2047, 'a'));
    registry.Set(kHkeyCurrentUser, kKey, "", kRegSz, std::string(2048, 'a') + '\0');
    EXPECT_EQ(Read(registry), "Not Found");
    EXPECT_EQ(ReadRegistry(registry, kHkeyClassesRoot, kKey, "other"), "Not Found");
}

}  // namespace
}  // namespace qlr
