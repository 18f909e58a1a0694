#include <gtest/gtest.h>

#include "common/RunLog.h"
#include "fakes/FakeLogOutput.h"

namespace qlr {
namespace {

using Strings = std::vector<std::string>;

TEST(RunLog, AppendsAHeaderAndOneLinePerEntryToEachRun) {
    test::FakeLogOutput output;
    output.files["run.log"] = "earlier run\r\n";
    RunLog log(output, "run.log");
    log.Begin({"installer.exe", "0.9.0.1", "installer.exe /VERYSILENT", "PC01", "SYSTEM"});
    log.Step("Copy a to C:\\x\\b", Status::Ok());
    log.Step("Copy c to C:\\x\\d", Status::Fail(2));
    log.Step("Save shortcut", Status::Fail(0x80020009));
    log.Skipped("Create shortcut Quillora", "the program was not installed");
    log.Note({"Message box \"T\": ", "one\r\ntwo", " (answered OK)"});
    log.End("Quillora Installed With Errors ! [Steps Failed : 3]", 1);
    EXPECT_EQ(log.Failures(), 3u);
    EXPECT_EQ(output.Lines("run.log"),
              (Strings{"earlier run",
                       "2026-12-07 09:05:03 start  installer.exe 0.9.0.1, computer PC01, user SYSTEM, "
                       "command line: installer.exe /VERYSILENT",
                       "2026-12-07 09:05:03 ok     Copy a to C:\\x\\b",
                       "2026-12-07 09:05:03 FAILED Copy c to C:\\x\\d (error 2: The system cannot find the file specified.)",
                       "2026-12-07 09:05:03 FAILED Save shortcut (error 0x80020009)",
                       "2026-12-07 09:05:03 FAILED Create shortcut Quillora (the program was not installed)",
                       "2026-12-07 09:05:03 note   Message box \"T\": one / two (answered OK)",
                       "2026-12-07 09:05:03 end    Quillora Installed With Errors ! [Steps Failed : 3] (exit code 1)"}));
}

TEST(RunLog, WithoutAWritableFileStillCountsTheFailures) {
    test::FakeLogOutput output;
    for (const char* file : {"", "unwritable"}) {
        RunLog log(output, file);
        log.Begin({});
        log.Step("Copy", Status::Fail(5));
        log.Skipped("Link", "no program");
        log.End("done", 1);
        EXPECT_EQ(log.Failures(), 2u);
    }
    EXPECT_TRUE(output.files.empty());
}

}  // namespace
}  // namespace qlr
