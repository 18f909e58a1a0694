// The installer's registry methods over the real Win32 registry layer, against the registry of
// the test's prefix: what they write is read back with reg.exe and with their own reading
// methods, and what they delete is looked for with reg.exe. Every test works below a key of its
// own in HKCU, removed before and after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "installer/registry/RegistryMethods.h"
#include "win32/Win32Registry.h"

namespace driver = qlr::wine_driver;

namespace {

using qlr::kHkeyCurrentUser;

const std::string kKey = "Software\\QlrRegistryMethodsTest";
const std::string kRegKey = "HKCU\\" + kKey;

class RegistryMethods : public ::testing::Test {
protected:
    void SetUp() override { driver::RegDeleteKey(kRegKey); }
    void TearDown() override { driver::RegDeleteKey(kRegKey); }

    // Every value of the key through ReadRegistryGetAll, by name, up to the first "Not Found".
    // Wine enumerates values in name order, Windows in the order they were made: no test here
    // relies on either.
    std::map<std::string, qlr::RegistryItem> AllValues(const std::string& path) const {
        std::map<std::string, qlr::RegistryItem> values;
        for (std::uint32_t index = 0; index < 100; ++index) {
            qlr::RegistryItem item = qlr::ReadRegistryGetAll(registry_, kHkeyCurrentUser, path, index);
            if (item.data == qlr::kNotFound) return values;
            values[item.name] = item;
        }
        ADD_FAILURE() << "no end of the values of " << path;
        return values;
    }
    std::set<std::string> AllSubkeys(const std::string& path) const {
        std::set<std::string> names;
        for (std::uint32_t index = 0; index < 100; ++index) {
            std::string name = qlr::ReadRegistryGetSubkey(registry_, kHkeyCurrentUser, path, index);
            if (name == qlr::kNotFound) return names;
            names.insert(name);
        }
        ADD_FAILURE() << "no end of the subkeys of " << path;
        return names;
    }
    void Write(const std::string& path, const std::string& name, std::uint32_t type,
               const std::string& value) {
        qlr::WriteRegistry(registry_, kHkeyCurrentUser, path, name, type, value);
    }
    std::uint32_t StoredSize(const std::string& path, const std::string& name) const {
        return registry_.Query(kHkeyCurrentUser, path, name, 0).size;
    }

    qlr::win32::Win32Registry registry_;
};

void ExpectShown(const std::string& key, const std::string& name, const std::string& type,
                 const std::string& data) {
    std::optional<driver::RegShownValue> shown = driver::RegQueryValue(key, name);
    ASSERT_TRUE(shown) << key << " has no value \"" << name << '"';
    EXPECT_EQ(shown->type, type) << name;
    EXPECT_EQ(shown->data, data) << name;
}

TEST_F(RegistryMethods, WritesEachTypeAndReadsItBackWithRegExeAndGetAll) {
    const std::string path = kKey + "\\Deep\\Below";  // made with every key on the way
    Write(path, "text", qlr::kRegSz, "abc");
    Write(path, "expand", qlr::kRegExpandSz, "x y");
    Write(path, "number", qlr::kRegDword, "12");
    Write(path, "big", qlr::kRegDword, "-1");
    Write(path, "garbage", qlr::kRegDword, "12abc");
    qlr::WriteRegistry(registry_, kHkeyCurrentUser, path, "count", qlr::kRegDword, std::int32_t{54321});
    Write(path, "", qlr::kRegSz, "the default");

    const std::string key = "HKCU\\" + path;
    ExpectShown(key, "text", "REG_SZ", "abc");
    ExpectShown(key, "expand", "REG_SZ", "x y");  // any type but a number is stored as REG_SZ
    ExpectShown(key, "number", "REG_DWORD", "0xc");
    ExpectShown(key, "big", "REG_DWORD", "0xffffffff");
    ExpectShown(key, "garbage", "REG_DWORD", "0x0");
    ExpectShown(key, "count", "REG_DWORD", "0xd431");
    ExpectShown(key, "", "REG_SZ", "the default");
    // REG_SZ is passed with its terminating zero (4 bytes), the other string without one (3
    // bytes); Wine, like Windows NT, then counts the zero that directly follows the data in
    // memory, so both are stored terminated. A number takes 4 bytes.
    EXPECT_EQ(StoredSize(path, "text"), 4u);
    EXPECT_EQ(StoredSize(path, "expand"), 4u);
    EXPECT_EQ(StoredSize(path, "number"), 4u);

    const std::map<std::string, qlr::RegistryItem> values = AllValues(path);
    const std::map<std::string, std::pair<std::uint32_t, std::string>> expected = {
        {"text", {qlr::kRegSz, "abc"}},      {"expand", {qlr::kRegSz, "x y"}},
        {"number", {qlr::kRegDword, "012"}}, {"big", {qlr::kRegDword, "4294967295"}},
        {"garbage", {qlr::kRegDword, "000"}}, {"count", {qlr::kRegDword, "54321"}},
        {"", {qlr::kRegSz, "the default"}},
    };
    ASSERT_EQ(values.size(), expected.size());
    for (const auto& [name, item] : values) {
        ASSERT_EQ(expected.count(name), 1u) << name;
        EXPECT_EQ(item.type, expected.at(name).first) << name;
        EXPECT_EQ(item.data, expected.at(name).second) << name;
        // The same text as the single-value read gives.
        EXPECT_EQ(qlr::ReadRegistry(registry_, kHkeyCurrentUser, path, name), item.data) << name;
    }
    EXPECT_EQ(qlr::ReadRegistryGetAll(registry_, kHkeyCurrentUser, kKey + "\\Missing", 0).data,
              "Not Found");
}

TEST_F(RegistryMethods, EnumeratesSubkeysToNotFound) {
    Write(kKey + "\\Alpha", "a", qlr::kRegSz, "1");
    Write(kKey + "\\Beta\\Inner", "b", qlr::kRegSz, "2");
    EXPECT_EQ(AllSubkeys(kKey), (std::set<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(AllSubkeys(kKey + "\\Beta"), std::set<std::string>{"Inner"});
    EXPECT_EQ(qlr::ReadRegistryGetSubkey(registry_, kHkeyCurrentUser, kKey + "\\Alpha", 0), "Not Found");
    EXPECT_EQ(qlr::ReadRegistryGetSubkey(registry_, kHkeyCurrentUser, kKey + "\\Missing", 0), "Not Found");

    // The layer keeps the system's codes: past the end, and a key that is not there.
    std::string name;
    EXPECT_EQ(registry_.EnumerateSubkey(kHkeyCurrentUser, kKey, 2, 2048, name).error,
              static_cast<std::uint32_t>(ERROR_NO_MORE_ITEMS));
    EXPECT_EQ(registry_.EnumerateSubkey(kHkeyCurrentUser, kKey + "\\Missing", 0, 2048, name).error,
              static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST_F(RegistryMethods, NamesAndDataBeyondTheBuffersAreNotFound) {
    const std::string fits(2047, 'n'), over(2048, 'n');
    Write(kKey, fits, qlr::kRegSz, "fits");
    Write(kKey, over, qlr::kRegSz, "over");
    ASSERT_TRUE(registry_.SetValue(kHkeyCurrentUser, kKey, "full", qlr::kRegBinary,
                                   std::string(2048, '\x11')).ok());
    ASSERT_TRUE(registry_.SetValue(kHkeyCurrentUser, kKey, "more", qlr::kRegBinary,
                                   std::string(2049, '\x11')).ok());
    ExpectShown(kRegKey, over, "REG_SZ", "over");  // stored whole

    std::map<std::string, std::string> found;
    int notFound = 0;
    for (std::uint32_t index = 0; index < 4; ++index) {
        const qlr::RegistryItem item = qlr::ReadRegistryGetAll(registry_, kHkeyCurrentUser, kKey, index);
        if (item.data == qlr::kNotFound) ++notFound;
        else found[item.name] = item.data;
    }
    EXPECT_EQ(notFound, 2);
    EXPECT_EQ(found, (std::map<std::string, std::string>{{fits, "fits"}, {"full", std::string(4096, '1')}}));
    EXPECT_EQ(qlr::ReadRegistryGetAll(registry_, kHkeyCurrentUser, kKey, 4).data, "Not Found");
    EXPECT_EQ(qlr::ReadRegistry(registry_, kHkeyCurrentUser, kKey, "more"), "Not Found");
    EXPECT_EQ(qlr::ReadRegistry(registry_, kHkeyCurrentUser, kKey, "full"), std::string(4096, '1'));
}

TEST_F(RegistryMethods, DeletesAValueAndAKeyAndNothingElse) {
    Write(kKey, "gone", qlr::kRegSz, "g");
    Write(kKey, "kept", qlr::kRegSz, "k");
    Write(kKey + "\\Leaf", "x", qlr::kRegSz, "x");

    qlr::DeleteValue(registry_, kHkeyCurrentUser, kKey, "gone");
    EXPECT_FALSE(driver::RegQueryValue(kRegKey, "gone"));
    ExpectShown(kRegKey, "kept", "REG_SZ", "k");
    qlr::DeleteValue(registry_, kHkeyCurrentUser, kKey, "gone");  // not there: nothing happens
    EXPECT_EQ(registry_.DeleteValue(kHkeyCurrentUser, kKey, "gone").error,
              static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    // A name with a NUL inside cannot cross the ANSI functions whole: refused, "kept" stays.
    EXPECT_EQ(registry_.DeleteValue(kHkeyCurrentUser, kKey, std::string("kept\0x", 6)).error,
              static_cast<std::uint32_t>(ERROR_INVALID_PARAMETER));
    ExpectShown(kRegKey, "kept", "REG_SZ", "k");

    // A key with a subkey stays; the subkey goes, then the key.
    qlr::DeleteSubkey(registry_, kHkeyCurrentUser, kKey);
    EXPECT_TRUE(driver::RegKeyExists(kRegKey));
    EXPECT_EQ(registry_.DeleteKey(kHkeyCurrentUser, kKey).error,
              static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    qlr::DeleteSubkey(registry_, kHkeyCurrentUser, kKey + "\\Leaf");
    EXPECT_FALSE(driver::RegKeyExists(kRegKey + "\\Leaf"));
    EXPECT_TRUE(driver::RegKeyExists(kRegKey));
    qlr::DeleteSubkey(registry_, kHkeyCurrentUser, kKey);
    EXPECT_FALSE(driver::RegKeyExists(kRegKey));
    EXPECT_TRUE(driver::RegKeyExists("HKCU\\Software"));
    qlr::DeleteSubkey(registry_, kHkeyCurrentUser, kKey);  // gone already: nothing happens
}

}  // namespace
