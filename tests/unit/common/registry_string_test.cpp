#include <gtest/gtest.h>

#include "common/Paths.h"
#include "common/RegistryString.h"
#include "fakes/FakeRegistry.h"

namespace qlr {
namespace {

using namespace test;

const char kCommand[] = "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"";

// The text read, or `unread` where nothing could be read (the text is then left as it was).
std::string Read(const RegistryReader& registry, const std::string& unread) {
    std::string text = unread;
    ReadStringValue(registry, kHkeyClassesRoot, kPlayerCommandKey, "", text);
    return text;
}

// A registry whose value changes between the two queries of one read.
class ChangingRegistry : public FakeRegistry {
public:
    RegistryValue Query(std::uint32_t, const std::string&, const std::string&, std::uint32_t capacity,
                        RegistryView = RegistryView::Native) const override {
        RegistryValue value;
        value.type = kRegSz;
        value.size = capacity == 0 ? 8 : 40;  // grew after it was measured
        if (capacity != 0) value.status = Status::Fail(kErrorMoreData);
        return value;
    }
};

TEST(RegistryString, ReadsOnlyPlainStringsInTwoQueries) {
    FakeRegistry registry;
    auto read = [&](const std::string& unread) { return Read(registry, unread); };
    EXPECT_EQ(read("none"), "none");  // no key
    EXPECT_EQ(registry.queries, 1);

    registry.queries = 0;
    registry.SetString(kPlayerCommandKey, kCommand);
    EXPECT_EQ(read("none"), kCommand);
    EXPECT_EQ(registry.queries, 2);  // size first, then exactly that many bytes

    registry.SetString(kPlayerCommandKey, "abc\0def");
    EXPECT_EQ(read("none"), "abc");
    registry.Set(kHkeyClassesRoot, kPlayerCommandKey, "", kRegSz, "no terminator");
    EXPECT_EQ(read("none"), "no terminator");
    registry.Set(kHkeyClassesRoot, kPlayerCommandKey, "", kRegSz, "");
    EXPECT_EQ(read("none"), "");

    registry.SetString(kPlayerCommandKey, kCommand, kRegExpandSz);
    EXPECT_EQ(read("none"), "none");
    registry.Set(kHkeyClassesRoot, kPlayerCommandKey, "", kRegDword, std::string("\x07\0\0\0", 4));
    EXPECT_EQ(read("none"), "none");
    registry.Set(kHkeyClassesRoot, kPlayerCommandKey, "", kRegMultiSz, std::string("a\0\0", 3));
    EXPECT_EQ(read("none"), "none");

    // A value that grows between the two queries is not read as blanks: the text stands.
    EXPECT_EQ(Read(ChangingRegistry(), "none"), "none");
}

}  // namespace
}  // namespace qlr
