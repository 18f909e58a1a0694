#include <gtest/gtest.h>

#include "common/RunLog.h"
#include "fakes/FakeLogOutput.h"

namespace qlr {
namespace {

TEST(RunLog, AppendsAFirstLineAndOneLinePerEntryAndCountsTheFailures) {
    test::FakeLogOutput output;
    output.files["run.log"] = "2026-12-06 10:00:00 end    an earlier run (exit code 0)\r\n";
    RunLog log(output, "run.log");
    log.Begin({"installer.exe", "0.9.0.1", "installer.exe /VERYSILENT", "PC01", "SYSTEM"});
    log.Step("Copy a to C:\\x\\b", Status::Ok());
    log.Step("Copy c to C:\\x\\d", Status::Fail(5));
    log.Step("Save shortcut", Status::Fail(0x80020009));
    log.Skipped("Create shortcut Quillora", "the program was not installed");
    log.Note({"Message box \"T\": ", "one\r\ntwo", " (answered OK)"});
    log.End("Quillora Installed With Errors ! [Steps Failed : 3]", 1);
    EXPECT_EQ(log.Failures(), 3u);
    EXPECT_EQ(output.files["run.log"].substr(57, 20), "2026-12-07 09:05:03 ");  // each line's first
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{
                                  "end    an earlier run (exit code 0)",
                                  "start  installer.exe 0.9.0.1, computer PC01, user SYSTEM, command "
                                  "line: installer.exe /VERYSILENT",
                                  "ok     Copy a to C:\\x\\b",
                                  "FAILED Copy c to C:\\x\\d (error 5: Access is denied.)",
                                  "FAILED Save shortcut (error 0x80020009)",
                                  "FAILED Create shortcut Quillora (the program was not installed)",
                                  "note   Message box \"T\": one / two (answered OK)",
                                  "end    Quillora Installed With Errors ! [Steps Failed : 3] (exit code 1)"}));
    // Without a file, or with one that cannot be written, the run goes on and still counts.
    for (const char* file : {"", "unwritable"}) {
        RunLog quiet(output, file);
        quiet.Step("Copy", Status::Fail(5));
        EXPECT_EQ(quiet.Failures(), 1u);
    }
    EXPECT_EQ(output.files.size(), 1u);
}

}  // namespace
}  // namespace qlr
