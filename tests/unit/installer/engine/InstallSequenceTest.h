#pragma once
// The install on the main window's own controls, as the install sequence's tests drive it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeInstallerServices.h"
#include "fakes/RecordingControlView.h"
#include "installer/engine/InstallSequence.h"
#include "installer/ui/Installer.h"

namespace qlr::test {

using Strings = std::vector<std::string>;

inline const char* const kKitFiles[] = {"_setup.qlr",   "_isdel.qlr",   "comdlg32.dll", "comdlg32.ocx",
                                 "comdlg32.dep", "comdlg32.oca", "msvbvm60.dll", "out_ds_ssrc.dl_",
                                 "in_line.dl_"};

// The install on the main window's own controls; a recording view attached to them logs each
// change as the window would show it, in one log with the message boxes and the pause.
class InstallSequence : public ::testing::Test {
protected:
    InstallSequence() {
        for (const char* dir : {"D:\\", "D:\\KIT", "C:\\Winamp", "C:\\Winamp\\plugins", "C:\\WINDOWS",
                                "C:\\WINDOWS\\SYSTEM"})
            files.AddDirectory(dir);
        for (const char* name : kKitFiles) files.AddFile(std::string("D:\\KIT\\") + name, name);
        Fill("C:\\Winamp\\qlr111", "D:\\Lists\\main.m3u", "D:\\KIT", "C:\\Winamp");
    }

    // A fresh main window holding the four inputs; its changes are logged from here on.
    void Fill(const std::string& text1, const std::string& text2, const std::string& source,
              const std::string& player) {
        installer = std::make_unique<Installer>(fakes.Services());
        installer->Text1.SetText(text1);
        installer->Text2.SetText(text2);
        installer->instfrom.SetCaption(source);
        installer->wnpdir.SetCaption(player);
        log.clear();
        windows.boxes.clear();
        recorder.AttachTo(*installer);
    }
    // One click; true when it ended the program.
    bool Click() {
        InstallWindow window(*installer, windows,
                             [this](double ms) { log.push_back("pause " + std::to_string(int(ms))); });
        try {
            RunInstall(window, {files, ini, shell, registry, clock});
            return false;
        } catch (const ProgramEnded&) {
            return true;
        }
    }
    // The text or caption of the main window's control of that name.
    std::string Get(const std::string& name) const {
        for (const forms::Control* control : installer->Controls())
            if (control->Name() == name) return RecordingControlView::TextOf(*control);
        return "<no such control>";
    }
    Strings Copies() const {
        Strings copies;
        for (const std::string& entry : files.log)
            if (entry.rfind("copy ", 0) == 0) copies.push_back(entry);
        return copies;
    }
    std::string Content(const std::string& path) { return files.Read(path).value_or("<missing>"); }

    FakeInstallerServices fakes;
    FakeWindowSystem& windows = fakes.windows;
    FakeFileSystem& files = fakes.files;
    FakeIniFilez& ini = fakes.ini;
    FakeShell& shell = fakes.shell;
    FakeRegistry& registry = fakes.registry;
    FakeClock& clock = fakes.clock;
    Strings& log = fakes.windows.log;
    RecordingControlView recorder{fakes.windows.log};
    std::unique_ptr<Installer> installer;
};

}  // namespace qlr::test
