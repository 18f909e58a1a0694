#include <gtest/gtest.h>

#include "remover/RegistryModule.h"
#include "remover/RemoverTest.h"

namespace qlr::remover {
namespace {

using namespace test;

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

TEST(RemoverRegistry, ReadsOnlyPlainStringsInTwoQueries) {
    FakeRegistry registry;
    auto read = [&](const std::string& fallback) {
        return RegistryModule::ReadRegistryString(registry, kHkeyClassesRoot, kPlayerCommandKey, "", fallback);
    };
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

    // A value that grows between the two queries is not read as blanks: the default stands.
    ChangingRegistry changing;
    EXPECT_EQ(RegistryModule::ReadRegistryString(changing, kHkeyClassesRoot, "k", "", "none"), "none");
}

}  // namespace
}  // namespace qlr::remover
