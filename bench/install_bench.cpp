// Measures the install sequence without its pause against a plain copy of the same bytes.
// usage: install_bench.exe KIT_DIR PLAYER_DIR WORK_DIR [RUNS]
//   KIT_DIR     the kit's ten source files
//   PLAYER_DIR  the player's directory (with plugins\ and winamp.ini)
//   WORK_DIR    an empty directory: the install goes to WORK_DIR\qlr111, the plain copies to
//               WORK_DIR\copy
// Each run installs over the previous one, as a user installing again would; the runs of the two
// kinds alternate, so both see the same state of the file cache.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "installer/engine/InstallSequence.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32IniFilez.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32WindowSystem.h"
#include "platform/win32/Win32Shell.h"

namespace {

// The main window's controls as plain values; the pause returns at once.
class BenchView : public qlr::InstallView {
public:
    BenchView(const std::string& installDir, const std::string& kit, const std::string& player) {
        values_["Text1"] = installDir;
        values_["Text2"] = "D:\\Radio Lists\\main.m3u";
        values_["instfrom"] = kit;
        values_["wnpdir"] = player;
        values_["Command1"] = "&Install QLR";
    }
    std::string Text(qlr::InstallTextBox box) const override { return Get(Name(box)); }
    void SetText(qlr::InstallTextBox box, const std::string& text) override {
        values_[Name(box)] = text;
        if (text == "[Writing Program Configuration]") copiesDoneMs = clock_.NowMs();
    }
    void SetReadOnly(qlr::InstallTextBox) override {}
    std::string Caption(qlr::InstallLabel label) const override { return Get(Name(label)); }
    void SetCaption(qlr::InstallLabel label, const std::string& text) override { values_[Name(label)] = text; }
    std::string Caption(qlr::InstallButton button) const override { return Get(Name(button)); }
    void SetCaption(qlr::InstallButton button, const std::string& text) override {
        values_[Name(button)] = text;
    }
    void SetEnabled(qlr::InstallButton, bool) override {}
    void Pause(double) override {}
    int MsgBox(const std::string& text, const std::string& title, unsigned) override {
        std::fprintf(stderr, "%s:\n%s\n", title.c_str(), text.c_str());
        return qlr::kIdOk;
    }
    [[noreturn]] void EndProgram() override { std::exit(1); }

    std::string Get(const std::string& name) const {
        auto it = values_.find(name);
        return it == values_.end() ? std::string() : it->second;
    }

    // When the copies were done and the configuration began.
    double copiesDoneMs = 0;

private:
    qlr::win32::Win32Clock clock_;
    static std::string Name(qlr::InstallTextBox box) {
        return box == qlr::InstallTextBox::Text1 ? "Text1" : "Text2";
    }
    static std::string Name(qlr::InstallLabel label) {
        switch (label) {
            case qlr::InstallLabel::Label4: return "Label4";
            case qlr::InstallLabel::Label5: return "Label5";
            case qlr::InstallLabel::instfrom: return "instfrom";
            case qlr::InstallLabel::wnpdir: break;
        }
        return "wnpdir";
    }
    static std::string Name(qlr::InstallButton button) {
        return "Command" + std::to_string(static_cast<int>(button) + 1);
    }

    std::map<std::string, std::string> values_;
};

// The copies the install makes, by source name: the same bytes, all into one directory.
const char* const kSources[] = {"_setup.qlr",   "_isdel.qlr",      "comdlg32.dll", "comdlg32.dll",
                                "comdlg32.ocx", "comdlg32.dep",    "comdlg32.oca", "msvbvm60.dll",
                                "out_ds_ssrc.dl_", "in_line.dl_"};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: install_bench KIT_DIR PLAYER_DIR WORK_DIR [RUNS]\n");
        return 2;
    }
    const std::string kit = argv[1], player = argv[2], work = argv[3];
    const int runs = argc == 5 ? std::max(1, std::atoi(argv[4])) : 5;
    const std::string copyDir = work + "\\copy";
    CreateDirectoryA(copyDir.c_str(), nullptr);

    qlr::win32::Win32FileSystem files;
    qlr::win32::Win32IniFilez ini;
    qlr::win32::Win32Shell shell;
    qlr::win32::Win32Clock clock;
    std::vector<double> installMs, installCopiesMs, copyMs;
    for (int run = 0; run < runs; ++run) {
        BenchView view(work + "\\qlr111", kit, player);
        double start = clock.NowMs();
        qlr::RunInstall(view, {files, ini, shell});
        installMs.push_back(clock.NowMs() - start);
        installCopiesMs.push_back(view.copiesDoneMs - start);
        if (view.Get("Text1") != "Quillora Installed !") {
            std::fprintf(stderr, "install run %d: %s %s\n", run, view.Get("Text1").c_str(),
                         view.Get("Text2").c_str());
            return 1;
        }

        start = clock.NowMs();
        int i = 0;
        for (const char* source : kSources) {
            const std::string target = copyDir + "\\" + std::to_string(i++) + "_" + source;
            if (!CopyFileA((kit + "\\" + source).c_str(), target.c_str(), FALSE)) {
                std::fprintf(stderr, "copy %s failed: %lu\n", source, GetLastError());
                return 1;
            }
        }
        copyMs.push_back(clock.NowMs() - start);
    }
    const double install = Median(installMs), copy = Median(copyMs);
    std::printf("install sequence without pause: median %.1f ms (min %.1f, max %.1f) over %d runs\n",
                install, *std::min_element(installMs.begin(), installMs.end()),
                *std::max_element(installMs.begin(), installMs.end()), runs);
    std::printf("  of which the ten copies:      median %.1f ms; configuration, settings, shortcut: "
                "median %.1f ms\n",
                Median(installCopiesMs), Median(installMs) - Median(installCopiesMs));
    std::printf("plain copy of the same bytes:   median %.1f ms (min %.1f, max %.1f)\n", copy,
                *std::min_element(copyMs.begin(), copyMs.end()),
                *std::max_element(copyMs.begin(), copyMs.end()));
    std::printf("ratio: %.2f\n", install / copy);
    return 0;
}
