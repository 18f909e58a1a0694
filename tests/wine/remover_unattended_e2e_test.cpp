// qlr_remover.exe started with switches from its install directory, as a deployment tool starts
// it: nothing shows, it deletes what "&Yes" deletes, and its exit code and log say how it went.
#include "RemoverFixture.h"

namespace {

using namespace qlr::remover_tests;

TEST_F(Remover, VerySilentRemovalShowsNothingAndDeletesWhatYesDeletes) {
    for (const char* name : {"job1.fil", "hvr150.fil", "job300.day", "job301.fil"}) Touch(player_ + "\\" + name);
    const std::string log = dir_.Path() + "\\remove.log";
    driver::Process remover = driver::Process::StartWritten(remover_, "/VERYSILENT /LOG=\"" + log + "\"", install_);
    EXPECT_EQ(driver::ExpectExitShowingNothing(remover, 30000), 0u);
    for (const char* name : kConfigurationFiles) EXPECT_FALSE(Exists(player_ + "\\" + name)) << name;
    for (const char* gone : {"\\job1.fil", "\\hvr150.fil", "\\job300.day", "\\qlr111\\qlr111.exe",
                             "\\qlr111\\comdlg32.dll"})
        EXPECT_FALSE(Exists(player_ + gone)) << gone;
    for (const char* kept : {"\\job301.fil", "\\winamp.ini", "\\qlr111\\qlr_remover.exe"})
        EXPECT_TRUE(Exists(player_ + kept)) << kept;
    std::vector<std::string> lines = driver::ReadLines(log);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().substr(20), "end    Erased All QLR Files and Configuration ! (exit code 0)");

    // A file that stays: the run says so in its exit code, and the log names the file.
    const std::string jobs = player_ + "\\jobs.ini";
    Touch(jobs);
    SetFileAttributesA(jobs.c_str(), FILE_ATTRIBUTE_READONLY);
    driver::Process again = driver::Process::StartWritten(remover_, "/verysilent /log=\"" + log + "\"", install_);
    EXPECT_EQ(driver::ExpectExitShowingNothing(again, 30000), 1u);
    EXPECT_TRUE(Exists(jobs));
    lines = driver::ReadLines(log);
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& line) {
                               return line.find("FAILED Delete " + jobs + " (error 5") != std::string::npos;
                           }),
              lines.end());
    EXPECT_EQ(lines.back().substr(20), "end    Some QLR Files Could Not Be Erased ! (exit code 1)");
    SetFileAttributesA(jobs.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
