#pragma once
// What the remover's end-to-end tests share: a player installation with the scheduler installed
// below it, as the installer leaves it, and ways to look at what is left.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Fixtures.h"
#include "remover/RemoverIds.h"

namespace qlr::remover_tests {

namespace driver = qlr::wine_driver;
namespace ids = qlr::remover_ids;

inline const std::string kRemover = driver::HostPath(QLR_REMOVER_EXE);
inline const char kPlayerKey[] = "HKCR\\Winamp.SkinZip";
inline const char kCommandKey[] = "HKCR\\Winamp.SkinZip\\shell\\install\\command";
inline const char kConfigurationFiles[][12] = {"hvr.ini", "jobs.ini", "jng.ini", "setback.ini", "deflist.fil"};
inline const char kAllErased[] = "Erased All QLR Files and Configuration !";

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void Touch(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw driver::DriverError("cannot create " + path);
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
}

// Every file name below a directory, relative to it, sub-directories included (with a '\' after
// their name), sorted.
inline std::vector<std::string> Listing(const std::string& directory, const std::string& prefix = "") {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((directory + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            names.push_back(prefix + name + "\\");
            for (const std::string& inner : Listing(directory + "\\" + name, prefix + name + "\\"))
                names.push_back(inner);
        } else {
            names.push_back(prefix + name);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// The numbered companions 1 to 300 of the configuration files, the way the scheduler names them.
inline std::vector<std::string> NumberedNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 300; ++n)
        for (const char* pattern : {"job%d.fil", "job%d.lis", "jng%d.fil", "hvr%d.fil", "job%d.day"}) {
            char name[16];
            std::snprintf(name, sizeof name, pattern, n);
            names.push_back(name);
        }
    return names;
}

// Waits until a control shows the text; the remover's window answers once its click has run.
// While the click runs, the window cannot answer: a read that times out is tried again, up to
// the same deadline.
inline void WaitForText(HWND window, int id, const std::string& text, DWORD timeoutMs = driver::kWaitMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    std::string shown;
    for (;;) {
        try {
            if ((shown = driver::ControlText(window, id)) == text) return;
        } catch (const driver::DriverError& busy) {
            shown = busy.what();
        }
        if (GetTickCount64() >= deadline)
            throw driver::DriverError("control " + std::to_string(id) + " shows \"" + shown +
                                      "\", not \"" + text + "\"");
        Sleep(10);
    }
}

// A player installation with the scheduler installed below it, as the installer leaves it:
// <temp>\Winamp with the configuration files, <temp>\Winamp\qlr111 with the program files and
// the remover as qlr_remover.exe.
class Remover : public ::testing::Test {
protected:
    void SetUp() override {
        driver::RegDeleteKey(kPlayerKey);
        driver::RegSetValue(kCommandKey, "", "\"" + player_ + "\\winamp.exe\" \"%1\"");
        Touch(player_ + "\\winamp.exe");
        Touch(player_ + "\\winamp.ini");
        Touch(dir_.MakeSubdirectory("Winamp\\plugins") + "\\OUT_DS_SSRC.DLL");
        for (const char* name : kConfigurationFiles) Touch(player_ + "\\" + name);
        for (const char* name : {"qlr111.exe", "comdlg32.dll"}) Touch(install_ + "\\" + name);
        driver::CopyFileOrThrow(kRemover, remover_);
    }
    void TearDown() override { driver::RegDeleteKey(kPlayerKey); }

    driver::Process Start(const std::string& currentDirectory) {
        return driver::Process::Start(remover_, {}, currentDirectory);
    }
    // Clicks "&Yes" and waits until the removal has turned it into "E&xit". The removal takes a
    // fraction of a second, but on a loaded machine its window has been seen not to answer for
    // more than 5 s.
    void RemoveAndWait(HWND window) {
        driver::ClickButton(window, ids::Command2);
        WaitForText(window, ids::Command2, "E&xit", 30000);
    }

    driver::TempDirectory dir_{"qlr-remover"};
    std::string player_ = dir_.MakeSubdirectory("Winamp");
    std::string install_ = dir_.MakeSubdirectory("Winamp\\qlr111");
    std::string remover_ = install_ + "\\qlr_remover.exe";
};

}  // namespace qlr::remover_tests
