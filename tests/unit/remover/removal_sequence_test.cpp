#include <gtest/gtest.h>

#include <set>

#include "fakes/FakeLogOutput.h"
#include "remover/RemovalSequence.h"
#include "remover/RemoverTest.h"

namespace qlr::remover {
namespace {

using namespace test;

TEST_F(Remover, DeletesTheListInOrderAndNothingElse) {
    Load(kCommand);
    AddFiles(kPlayerDir, {"hvr.ini", "jobs.ini", "jng.ini", "setback.ini", "deflist.fil", "job1.fil",
                          "hvr150.fil", "job300.day", "job0.fil", "job301.fil", "jobs1.ini",
                          "winamp.ini", "JOB7.LIS"});
    AddFiles(kInstallDir, {"qlr111.exe", "comdlg32.dll", "qlr_remover.exe"});
    files.AddDirectory(std::string(kPlayerDir) + "\\plugins");

    EXPECT_FALSE(ClickYes());

    const std::vector<std::string> deleted = Deletions();
    ASSERT_EQ(deleted.size(), 1507u);
    EXPECT_EQ(std::set<std::string>(deleted.begin(), deleted.end()).size(), 1507u);
    const std::string base = std::string(kPlayerDir) + "\\";
    const std::vector<std::string> head(deleted.begin(), deleted.begin() + 10);
    EXPECT_EQ(head, (std::vector<std::string>{
                        base + "hvr.ini", base + "jobs.ini", base + "jng.ini", base + "setback.ini",
                        base + "deflist.fil", base + "job1.fil", base + "job1.lis", base + "jng1.fil",
                        base + "hvr1.fil", base + "job1.day"}));
    EXPECT_EQ(deleted[10], base + "job2.fil");
    EXPECT_EQ(deleted[1500], base + "job300.fil");
    EXPECT_EQ(deleted[1504], base + "job300.day");
    EXPECT_EQ(deleted[1505], std::string(kInstallDir) + "\\qlr111.exe");
    EXPECT_EQ(deleted[1506], std::string(kInstallDir) + "\\comdlg32.dll");

    for (const char* gone : {"hvr.ini", "deflist.fil", "job1.fil", "hvr150.fil", "job300.day", "JOB7.LIS"})
        EXPECT_FALSE(files.IsFile(base + gone)) << gone;
    for (const char* kept : {"job0.fil", "job301.fil", "jobs1.ini", "winamp.ini"})
        EXPECT_TRUE(files.IsFile(base + kept)) << kept;
    EXPECT_TRUE(files.IsFile(std::string(kInstallDir) + "\\qlr_remover.exe"));
    EXPECT_FALSE(files.IsFile(std::string(kInstallDir) + "\\qlr111.exe"));
    EXPECT_TRUE(files.IsDirectory(std::string(kPlayerDir) + "\\plugins"));
    EXPECT_TRUE(files.IsDirectory(kInstallDir));

    ExpectDone();
    EXPECT_EQ(form.Label1.Caption(), kAllErased);
    EXPECT_EQ(form.Label2.Caption(), "Found Winamp In : C:\\Program Files\\Winamp");
    EXPECT_TRUE(windows.boxes.empty());

    // "E&xit" ends the program and deletes nothing more.
    files.log.clear();
    EXPECT_TRUE(ClickYes());
    EXPECT_TRUE(files.log.empty());
}

TEST_F(Remover, BasesGetExactlyOneSeparator) {
    struct Case {
        const char* command;
        const char* current;
        const char* firstConfig;
        const char* firstProgram;
    };
    const Case cases[] = {
        {"\"E:\\winamp.exe\" \"%1\"", "D:\\", "E:\\hvr.ini", "D:\\qlr111.exe"},
        {"\"E:\\Winamp\\\\winamp.exe\" \"%1\"", "D:\\Radio\\qlr111\\", "E:\\Winamp\\hvr.ini",
         "D:\\Radio\\qlr111\\qlr111.exe"},
        {kCommand, "D:\\Radio\\qlr111", "C:\\Program Files\\Winamp\\hvr.ini",
         "D:\\Radio\\qlr111\\qlr111.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        FakeFileSystem files;
        files.AddDirectory("D:\\");
        files.AddDirectory("D:\\Radio");
        files.AddDirectory("D:\\Radio\\qlr111");
        files.currentDirectory = c.current;
        files.AddFile(WithTrailingBackslash(c.current) + "qlr111.exe", "x");
        FakeRegistry registry;
        registry.SetString(kPlayerCommandKey, c.command);
        Form1 form{{windows, files, registry}};
        form.Form_Load();
        form.Command2.Click();
        ASSERT_EQ(files.log.size(), 1507u);
        EXPECT_EQ(files.log.front(), std::string("delete ") + c.firstConfig);
        EXPECT_EQ(files.log[1505], std::string("delete ") + c.firstProgram);
        EXPECT_EQ(form.Label1.Caption(), kAllErased);
    }
}

TEST_F(Remover, WithoutPlayerDirectoryNoConfigurationFileIsTouched) {
    // Not found, and the 18-character value that cuts to an empty directory: either way the
    // configuration names must not land in the root of the current drive.
    for (const std::string& command : {std::string(), std::string(18, 'x')}) {
        SCOPED_TRACE(command);
        FakeFileSystem files;
        files.AddDirectory("C:\\Q");
        files.currentDirectory = "C:\\Q";
        files.AddFile("C:\\hvr.ini", "x");
        files.AddFile("C:\\Q\\qlr111.exe", "x");
        files.AddFile("C:\\Q\\comdlg32.dll", "x");
        FakeRegistry registry;
        if (!command.empty()) registry.SetString(kPlayerCommandKey, command);
        Form1 form{{windows, files, registry}};
        form.Form_Load();
        form.Command2.Click();
        EXPECT_EQ(files.log, (std::vector<std::string>{"delete C:\\Q\\qlr111.exe",
                                                       "delete C:\\Q\\comdlg32.dll"}));
        EXPECT_TRUE(files.IsFile("C:\\hvr.ini"));
        EXPECT_EQ(form.Label1.Caption(), kAllErased);
        EXPECT_EQ(form.Command2.Caption(), "E&xit");
    }
}

TEST_F(Remover, ProgramFilesAreDeletedOnlyBesideTheProgram) {
    // Started from the System directory, say: its comdlg32.dll is not the scheduler's.
    files.AddDirectory("C:\\windows");
    files.AddDirectory("C:\\windows\\system32");
    files.currentDirectory = "C:\\windows\\system32";
    files.AddFile("C:\\windows\\system32\\comdlg32.dll", "system");
    Load(kCommand);
    AddFiles(kPlayerDir, {"hvr.ini"});

    EXPECT_FALSE(ClickYes());
    EXPECT_EQ(Deletions().size(), 1505u);
    EXPECT_TRUE(files.IsFile("C:\\windows\\system32\\comdlg32.dll"));
    EXPECT_FALSE(files.IsFile(std::string(kPlayerDir) + "\\hvr.ini"));
    ExpectDone();
    EXPECT_EQ(form.Label1.Caption(), kAllErased);
}

TEST_F(Remover, FilesThatStayAreReportedAndTheRestStillDeleted) {
    Load(kCommand);
    const std::string base = std::string(kPlayerDir) + "\\";
    files.AddFile(base + "jobs.ini", "x", /*readOnly=*/true);
    AddFiles(kPlayerDir, {"jng.ini", "hvr.ini"});
    AddFiles(kInstallDir, {"qlr111.exe"});

    EXPECT_FALSE(ClickYes());
    EXPECT_EQ(Deletions().size(), 1507u);
    EXPECT_TRUE(files.IsFile(base + "jobs.ini"));
    EXPECT_FALSE(files.IsFile(base + "jng.ini"));
    EXPECT_FALSE(files.IsFile(std::string(kInstallDir) + "\\qlr111.exe"));
    ExpectDone();
    EXPECT_EQ(form.Label1.Caption(), "Some QLR Files Could Not Be Erased !");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].text, base + "jobs.ini");  // missing files are no failure
    EXPECT_EQ(windows.boxes[0].title, "QLR Remover");
    EXPECT_EQ(windows.boxes[0].style, 0x10u);
}

TEST_F(Remover, NamesThatCannotBeFilesAreNoFailure) {
    // A command that names no program path is cut by position; with a longer tail the cut
    // directory keeps a quote: no file can have such a name, so nothing stayed behind and
    // nothing is reported.
    Load("C:\\Winamp\\winamp.com\" /ADDTOLISTX \"%1\"");
    ASSERT_EQ(form.wnpdir.Caption(), ":\\Winamp\\winamp.com\"");
    EXPECT_FALSE(ClickYes());
    EXPECT_EQ(form.Label1.Caption(), kAllErased);
    EXPECT_TRUE(windows.boxes.empty());
}

// Every step of the removal is logged in one place: an item that was there once, done or failed;
// one that was not there not at all.
TEST_F(Remover, LogsEachItemThatWasThereOnceDoneOrFailed) {
    const std::string base = std::string(kPlayerDir) + "\\";
    AddFiles(kPlayerDir, {"hvr.ini"});
    files.AddFile(base + "job7.day", "x", /*readOnly=*/true);
    AddFiles(kInstallDir, {"qlr111.exe"});
    FakeLogOutput output;
    RunLog log(output, "run.log");
    EXPECT_EQ(RunRemoval({files, registry, &log}, kPlayerDir), std::vector<std::string>{base + "job7.day"});
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{
                                  "ok     Delete " + base + "hvr.ini",
                                  "FAILED Delete " + base + "job7.day (error 5: Access is denied.)",
                                  "ok     Delete " + std::string(kInstallDir) + "\\qlr111.exe"}));
}

}  // namespace
}  // namespace qlr::remover
