#include <gtest/gtest.h>

#include "remover/RemoverTest.h"

namespace qlr::remover {
namespace {

using namespace test;

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

TEST_F(Remover, NoEndsAtOnceAndTouchesNothing) {
    Load(kCommand);
    AddFiles(kInstallDir, {"qlr111.exe"});
    EXPECT_THROW(form.Command1.Click(), ProgramEnded);
    EXPECT_TRUE(files.log.empty());
    EXPECT_EQ(windows.log, std::vector<std::string>{"end"});
}

}  // namespace
}  // namespace qlr::remover
