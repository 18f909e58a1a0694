#pragma once
// The remover's window on fake platform services, as the remover's tests drive it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/Paths.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeWindowSystem.h"
#include "remover/Form1.h"

namespace qlr::remover::test {

using namespace qlr::test;

inline const char kCommand[] = "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"";
inline const char kPlayerDir[] = "C:\\Program Files\\Winamp";
inline const char kInstallDir[] = "C:\\Program Files\\Winamp\\qlr111";
inline const char kNotFoundText[] = "[Winamp Not Found Or Too Old Version Installed]";
inline const char kAllErased[] = "Erased All QLR Files and Configuration !";

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

}  // namespace qlr::remover::test
