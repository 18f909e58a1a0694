#include <gtest/gtest.h>

#include "installer/engine/FailedSteps.h"

namespace qlr {
namespace {

TEST(FailedSteps, RecordsOnlyFailuresWithWindowsCodesInDecimalAndComResultsInHex) {
    FailedSteps failed;
    EXPECT_TRUE(failed.Check(Status::Ok(), "Copy a to b"));
    EXPECT_FALSE(failed.Check(Status::Fail(2), "Copy a to b"));
    EXPECT_FALSE(failed.Check(Status::Fail(0xFFFF), "Largest Windows code"));
    EXPECT_FALSE(failed.Check(Status::Fail(0x10000), "Smallest code in hex"));
    EXPECT_FALSE(failed.Check(Status::Fail(0x80020009), "Save shortcut"));
    EXPECT_FALSE(failed.Check(Status::Fail(0xFFFFFFFF), "All bits"));
    EXPECT_EQ(failed.Count(), 5u);
    EXPECT_EQ(failed.Lines(), (std::vector<std::string>{
                                  "Copy a to b (error 2)", "Largest Windows code (error 65535)",
                                  "Smallest code in hex (error 0x00010000)",
                                  "Save shortcut (error 0x80020009)", "All bits (error 0xFFFFFFFF)"}));
}

}  // namespace
}  // namespace qlr
