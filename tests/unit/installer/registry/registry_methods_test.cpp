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
    registry.Set(kHkeyCurrentUser, kKey, "bare", kRegSz, "abc");  // stored without a zero
    registry.Set(kHkeyCurrentUser, kKey, "multi", kRegMultiSz, std::string("a\0b\0\0", 5));
    registry.Set(kHkeyCurrentUser, kKey, "one", kRegSz, std::string(1, '\0'));
    registry.Set(kHkeyCurrentUser, kKey, "zero", kRegSz, "");
    registry.Set(kHkeyCurrentUser, kKey, "expand", kRegExpandSz, std::string("%WINDIR%\0", 9));
    registry.Set(kHkeyCurrentUser, kKey, "nul", kRegSz, std::string("ab\0cd\0", 6));
    EXPECT_EQ(Read(registry), "C:\\Winamp");
    EXPECT_EQ(Read(registry, "one"), "");
    EXPECT_EQ(Read(registry, "zero"), "");  // not 2048 blanks
    EXPECT_EQ(Read(registry, "expand"), "%WINDIR%");
    EXPECT_EQ(Read(registry, "nul"), std::string("ab\0cd", 5));
    EXPECT_EQ(Read(registry, "bare"), "abc");
    EXPECT_EQ(Read(registry, "multi"), std::string("a\0b\0", 4));
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
    // Other types that are neither numbers nor strings keep every byte, in the same form.
    registry.Set(kHkeyCurrentUser, kKey, "qword", 11, std::string("\x01\0\0\0\0\0\0\x80", 8));
    registry.Set(kHkeyCurrentUser, kKey, "none", kRegNone, std::string("\0z", 2));
    EXPECT_EQ(Read(registry, "bin"), "0AFF01");
    EXPECT_EQ(Read(registry, "empty"), "");
    EXPECT_EQ(Read(registry, "qword"), "0100000000000080");
    EXPECT_EQ(Read(registry, "none"), "007A");
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

// ---- writing

std::string Stored(const FakeRegistry& registry, const std::string& key, const std::string& name,
                   std::uint32_t* type = nullptr) {
    auto value = registry.Get(kHkeyCurrentUser, key, name);
    if (!value) return "<missing>";
    if (type) *type = value->type;
    return value->data;
}

TEST(WriteRegistry, StoresTextsAsStringsAndOnlyRegSzWithItsZero) {
    FakeRegistry registry;
    const std::string deep = std::string(kKey) + "\\Deep\\Below";
    WriteRegistry(registry, kHkeyCurrentUser, deep, "sz", kRegSz, "abc");
    WriteRegistry(registry, kHkeyCurrentUser, deep, "expand", kRegExpandSz, "abc");
    WriteRegistry(registry, kHkeyCurrentUser, deep, "binary", kRegBinary, "abc");
    WriteRegistry(registry, kHkeyCurrentUser, deep, "", kRegSz, "");
    std::uint32_t type = 0;
    EXPECT_EQ(Stored(registry, deep, "sz", &type), std::string("abc\0", 4));
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(Stored(registry, deep, "expand", &type), "abc");  // 3 bytes, as REG_SZ
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(Stored(registry, deep, "binary", &type), "abc");
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(Stored(registry, deep, ""), std::string(1, '\0'));
    // The key was made with every missing key on its path.
    EXPECT_TRUE(registry.HasKey(kHkeyCurrentUser, std::string(kKey) + "\\Deep"));
    // Written again: replaced in place.
    WriteRegistry(registry, kHkeyCurrentUser, deep, "sz", kRegSz, "longer text");
    EXPECT_EQ(Stored(registry, deep, "sz"), std::string("longer text\0", 12));
    EXPECT_EQ(ReadRegistryGetAll(registry, kHkeyCurrentUser, deep, 0).name, "sz");
}

TEST(WriteRegistry, StoresNumbersAsFourLittleEndianBytes) {
    FakeRegistry registry;
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"12", std::string("\x0C\0\0\0", 4)},
        {"-1", "\xFF\xFF\xFF\xFF"},
        {"2147483647", std::string("\xFF\xFF\xFF\x7F", 4)},
        {"-2147483648", std::string("\0\0\0\x80", 4)},
        {"not a number", std::string(4, '\0')},
        {"4294967295", std::string(4, '\0')},  // beyond a signed 32-bit number
    };
    for (const auto& c : cases) {
        WriteRegistry(registry, kHkeyCurrentUser, kKey, "n", kRegDword, c.text);
        std::uint32_t type = 0;
        EXPECT_EQ(Stored(registry, kKey, "n", &type), c.bytes) << c.text;
        EXPECT_EQ(type, kRegDword);
    }
    WriteRegistry(registry, kHkeyCurrentUser, kKey, "number", kRegDword, std::int32_t{305419896});
    EXPECT_EQ(Stored(registry, kKey, "number"), "\x78\x56\x34\x12");
    WriteRegistry(registry, kHkeyCurrentUser, kKey, "number text", kRegSz, std::int32_t{-42});
    EXPECT_EQ(Stored(registry, kKey, "number text"), std::string("-42\0", 4));
}

TEST(WriteRegistry, NumberTextIsSigned32BitDecimalOrZero) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"12", 12},           {"  12  ", 12},        {"+7", 7},
        {"-0", 0},            {"0000000000012", 12}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        // Out of range, not a whole decimal number, or trailing garbage: 0.
        {"2147483648", 0},    {"-2147483649", 0},    {"99999999999999999999999", 0},
        {"12abc", 0},         {"1 2", 0},            {"1.5", 0},
        {"0x10", 0},          {"1e3", 0},            {"", 0},
        {"   ", 0},           {"-", 0},              {"+-1", 0},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(DwordOfText(text), number) << '"' << text << '"';
    EXPECT_EQ(DwordOfText(std::string("1\0", 2)), 0);  // a NUL is no digit
}

// ---- enumerating

TEST(ReadRegistryGetSubkey, NamesEachSubkeyThenNotFound) {
    FakeRegistry registry;
    const std::string under = std::string(kKey) + "\\";
    registry.AddKey(kHkeyCurrentUser, under + "Beta\\Inner");
    registry.AddKey(kHkeyCurrentUser, under + "alpha");
    registry.AddKey(kHkeyCurrentUser, under + std::string(2047, 'k'));
    auto at = [&](std::uint32_t index) {
        return ReadRegistryGetSubkey(registry, kHkeyCurrentUser, kKey, index);
    };
    EXPECT_EQ(at(0), "alpha");
    EXPECT_EQ(at(1), "Beta");  // only direct subkeys, in name order
    EXPECT_EQ(at(2), std::string(2047, 'k'));
    EXPECT_EQ(at(3), "Not Found");
    EXPECT_EQ(at(0xFFFFFFFFu), "Not Found");
    EXPECT_EQ(ReadRegistryGetSubkey(registry, kHkeyCurrentUser, under + "alpha", 0), "Not Found");
    EXPECT_EQ(ReadRegistryGetSubkey(registry, kHkeyCurrentUser, "Software\\Missing", 0), "Not Found");

    // A name that leaves no room for its terminating zero in the buffer is not read.
    registry.AddKey(kHkeyCurrentUser, under + "z" + std::string(2047, 'k'));
    EXPECT_EQ(at(3), "Not Found");
}

TEST(ReadRegistryGetAll, GivesTypeNameAndWholeDataTextOfEachValueThenNotFound) {
    FakeRegistry registry;
    registry.Set(kHkeyCurrentUser, kKey, "number", kRegDword, std::string("\x39\x30\0\0", 4));
    registry.Set(kHkeyCurrentUser, kKey, "", kRegSz, std::string("abc\0", 4));
    registry.Set(kHkeyCurrentUser, kKey, "bare", kRegSz, "xyz");
    registry.Set(kHkeyCurrentUser, kKey, "bytes", kRegBinary, "\x0A\xFF\x01");
    registry.Set(kHkeyCurrentUser, kKey, "path", kRegExpandSz, std::string("%TEMP%\0", 7));
    const RegistryItem expected[] = {
        {kRegDword, "number", "12345"},  // not cut to "123"
        {kRegSz, "", "abc"},
        {kRegSz, "bare", "xyz"},
        {kRegBinary, "bytes", "0AFF01"},
        {kRegExpandSz, "path", "%TEMP%"},
    };
    for (std::uint32_t i = 0; i < 5; ++i) {
        const RegistryItem item = ReadRegistryGetAll(registry, kHkeyCurrentUser, kKey, i);
        EXPECT_EQ(item.type, expected[i].type) << i;
        EXPECT_EQ(item.name, expected[i].name) << i;
        EXPECT_EQ(item.data, expected[i].data) << i;
    }
    const RegistryItem past = ReadRegistryGetAll(registry, kHkeyCurrentUser, kKey, 5);
    EXPECT_EQ(past.data, "Not Found");
    EXPECT_EQ(past.type, 0u);
    EXPECT_EQ(past.name, "");
    EXPECT_EQ(ReadRegistryGetAll(registry, kHkeyCurrentUser, "Software\\Missing", 0).data, "Not Found");
}

TEST(ReadRegistryGetAll, NamesAndDataBeyondTheBuffersAreNotFound) {
    FakeRegistry registry;
    registry.Set(kHkeyCurrentUser, kKey, std::string(2047, 'n'), kRegSz, "a");
    registry.Set(kHkeyCurrentUser, kKey, std::string(2048, 'n'), kRegSz, "b");
    registry.Set(kHkeyCurrentUser, kKey, "full", kRegBinary, std::string(2048, '\x11'));
    registry.Set(kHkeyCurrentUser, kKey, "over", kRegBinary, std::string(2049, '\x11'));
    auto at = [&](std::uint32_t index) { return ReadRegistryGetAll(registry, kHkeyCurrentUser, kKey, index); };
    EXPECT_EQ(at(0).name, std::string(2047, 'n'));
    EXPECT_EQ(at(1).data, "Not Found");
    EXPECT_EQ(at(2).data, std::string(4096, '1'));
    EXPECT_EQ(at(3).data, "Not Found");
    EXPECT_EQ(at(4).data, "Not Found");
}

// ---- deleting

TEST(DeleteRegistry, DeletesWhatIsThereAndNothingElse) {
    FakeRegistry registry;
    const std::string leaf = std::string(kKey) + "\\Leaf";
    registry.Set(kHkeyCurrentUser, kKey, "keep", kRegSz, "k");
    registry.Set(kHkeyCurrentUser, kKey, "gone", kRegSz, "g");
    registry.AddKey(kHkeyCurrentUser, leaf);

    DeleteValue(registry, kHkeyCurrentUser, kKey, "GONE");  // names match in any letter case
    EXPECT_EQ(Stored(registry, kKey, "gone"), "<missing>");
    EXPECT_EQ(Stored(registry, kKey, "keep"), "k");
    // What is not there: nothing happens, nothing is reported.
    DeleteValue(registry, kHkeyCurrentUser, kKey, "gone");
    DeleteValue(registry, kHkeyCurrentUser, "Software\\Missing", "keep");
    DeleteSubkey(registry, kHkeyCurrentUser, "Software\\Missing");
    EXPECT_EQ(Stored(registry, kKey, "keep"), "k");

    // A key with a subkey stays; its subkey goes, then the key itself.
    DeleteSubkey(registry, kHkeyCurrentUser, kKey);
    EXPECT_TRUE(registry.HasKey(kHkeyCurrentUser, kKey));
    DeleteSubkey(registry, kHkeyCurrentUser, leaf);
    EXPECT_FALSE(registry.HasKey(kHkeyCurrentUser, leaf));
    DeleteSubkey(registry, kHkeyCurrentUser, kKey);
    EXPECT_FALSE(registry.HasKey(kHkeyCurrentUser, kKey));
    EXPECT_TRUE(registry.HasKey(kHkeyCurrentUser, "Software"));

    // The empty path would name the root key itself: not even tried.
    registry.log.clear();
    DeleteSubkey(registry, kHkeyCurrentUser, "");
    EXPECT_TRUE(registry.log.empty());
}

}  // namespace
}  // namespace qlr
