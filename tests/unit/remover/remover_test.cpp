#include <gtest/gtest.h>

#include <set>

#include "common/Paths.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeWindowSystem.h"
#include "remover/Form1.h"
#include "remover/Registry.h"

namespace qlr::remover {
namespace {

using namespace test;

const char kCommand[] = "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"";
const char kPlayerDir[] = "C:\\Program Files\\Winamp";
const char kInstallDir[] = "C:\\Program Files\\Winamp\\qlr111";
const char kNotFoundText[] = "[Winamp Not Found Or Too Old Version Installed]";
const char kAllErased[] = "Erased All QLR Files and Configuration !";

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
        return Registry::ReadRegistryString(registry, kHkeyClassesRoot, kPlayerCommandKey, "", fallback);
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
    EXPECT_EQ(Registry::ReadRegistryString(changing, kHkeyClassesRoot, "k", "", "none"), "none");
}

class Remover : public ::testing::Test {
protected:
    Remover() {
        files.AddDirectory("C:\\Program Files");
        files.AddDirectory(kPlayerDir);
        files.AddDirectory(kInstallDir);
        files.currentDirectory = kInstallDir;
    }

    void Load(const std::string& command) {
        registry.SetString(kPlayerCommandKey, command);
        form.Form_Load();
    }
    // Clicks "&Yes" (or "E&xit"); true when the click ended the program.
    bool ClickYes() {
        try {
            form.Command2.Click();
            return false;
        } catch (const ProgramEnded&) {
            return true;
        }
    }
    std::vector<std::string> Deletions() const {
        std::vector<std::string> paths;
        for (const std::string& entry : files.log)
            if (entry.rfind("delete ", 0) == 0) paths.push_back(entry.substr(7));
        return paths;
    }
    void AddFiles(const std::string& directory, std::initializer_list<const char*> names) {
        for (const char* name : names) files.AddFile(WithTrailingBackslash(directory) + name, "x");
    }
    void ExpectDone() {
        EXPECT_EQ(form.Command2.Caption(), "E&xit");
        EXPECT_TRUE(form.Command2.Enabled());
        EXPECT_FALSE(form.Command1.Enabled());
    }

    FakeWindowSystem windows;
    FakeFileSystem files;
    FakeRegistry registry;
    Form1 form{{windows, files, registry}};
};

TEST_F(Remover, DetectionOfTheCommandShapes) {
    struct Case {
        const char* name;
        std::string data;
        std::uint32_t type;
        const char* wnpdir;
        const char* label2;
    };
    const Case cases[] = {
        {"example", std::string(kCommand) + '\0', kRegSz, kPlayerDir,
         "Found Winamp In : C:\\Program Files\\Winamp"},
        {"NUL inside", std::string(kCommand) + std::string("\0\" \"%1\"xxxxxxx", 14) + '\0', kRegSz,
         kPlayerDir, "Found Winamp In : C:\\Program Files\\Winamp"},
        {"unquoted", "C:\\Program Files\\Winamp\\winamp.exe \"%1\"" + std::string(1, '\0'), kRegSz,
         kPlayerDir, "Found Winamp In : C:\\Program Files\\Winamp"},
        {"18 characters", std::string(18, 'x') + '\0', kRegSz, "", "Found Winamp In : "},
        {"drive root", "\"E:\\winamp.exe\" \"%1\"" + std::string(1, '\0'), kRegSz, "E:",
         "Found Winamp In : E:"},
        {"17 characters", std::string(17, 'x') + '\0', kRegSz, "", kNotFoundText},
        {"one character", std::string("x") + '\0', kRegSz, "", kNotFoundText},
        {"empty", std::string(1, '\0'), kRegSz, "", kNotFoundText},
        {"expandable string", std::string(kCommand) + '\0', kRegExpandSz, "", kNotFoundText},
        {"none", "", 0, "", kNotFoundText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.type) registry.Set(kHkeyClassesRoot, kPlayerCommandKey, "", c.type, c.data);
        Form1 form{{windows, files, registry}};
        form.Form_Load();
        EXPECT_EQ(form.wnpdir.Caption(), c.wnpdir);
        EXPECT_EQ(form.Label2.Caption(), c.label2);
        EXPECT_EQ(form.Label3.Caption(), "Found QLR In : C:\\Program Files\\Winamp\\qlr111");
        EXPECT_EQ(form.Label1.Caption(), "Remove Quillora ?");
        EXPECT_TRUE(form.Command1.Enabled());
        EXPECT_TRUE(form.Command2.Enabled());
    }
    EXPECT_TRUE(windows.boxes.empty());
    EXPECT_TRUE(files.log.empty());  // start-up writes nothing
}

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

TEST_F(Remover, ManyFailuresAreListedTenAtMost) {
    Load(kCommand);
    const std::string base = std::string(kPlayerDir) + "\\";
    for (int n = 1; n <= 12; ++n) files.AddFile(base + "job" + std::to_string(n) + ".day", "x", true);

    EXPECT_FALSE(ClickYes());
    ASSERT_EQ(windows.boxes.size(), 1u);
    const std::string& text = windows.boxes[0].text;
    EXPECT_EQ(text.find(base + "job1.day\r\n" + base + "job2.day"), 0u);
    EXPECT_NE(text.find(base + "job10.day\r\n... and 2 more"), std::string::npos);
    EXPECT_EQ(text.find("job11.day"), std::string::npos);
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

TEST_F(Remover, NoEndsAtOnceAndTouchesNothing) {
    Load(kCommand);
    AddFiles(kInstallDir, {"qlr111.exe"});
    EXPECT_THROW(form.Command1.Click(), ProgramEnded);
    EXPECT_TRUE(files.log.empty());
    EXPECT_EQ(windows.log, std::vector<std::string>{"end"});
}

}  // namespace
}  // namespace qlr::remover
