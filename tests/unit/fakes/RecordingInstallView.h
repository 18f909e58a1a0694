#pragma once
// The install's view of the main window, kept in memory: every change is logged in order
// ("Text1=Installing ...", "Command1 off", ...) so a test can check the sequence of texts and
// states, and ending the program throws ProgramEnded.
#include <map>
#include <string>
#include <vector>

#include "fakes/FakeWindowSystem.h"
#include "installer/engine/InstallSequence.h"

namespace qlr::test {

class RecordingInstallView : public InstallView {
public:
    RecordingInstallView() {
        captions_["Command1"] = "&Install QLR";
        captions_["Command2"] = "&Exit Installer";
        captions_["Command3"] = "B&rowse";
        captions_["Command4"] = "&Browse";
        captions_["Label4"] = "Install QLR to :";
        captions_["Label5"] = "Specify A Default List To Be Loaded After Jingles Are Played :";
    }

    // The four inputs.
    void Fill(const std::string& text1, const std::string& text2, const std::string& instfrom,
              const std::string& wnpdir) {
        captions_["Text1"] = text1;
        captions_["Text2"] = text2;
        captions_["instfrom"] = instfrom;
        captions_["wnpdir"] = wnpdir;
    }

    std::string Text(InstallTextBox box) const override { return Get(Name(box)); }
    void SetText(InstallTextBox box, const std::string& text) override { Set(Name(box), text); }
    void SetReadOnly(InstallTextBox box) override { log.push_back(Name(box) + " read-only"); }
    std::string Caption(InstallLabel label) const override { return Get(Name(label)); }
    void SetCaption(InstallLabel label, const std::string& caption) override {
        Set(Name(label), caption);
    }
    std::string Caption(InstallButton button) const override { return Get(Name(button)); }
    void SetCaption(InstallButton button, const std::string& caption) override {
        Set(Name(button), caption);
    }
    void SetEnabled(InstallButton button, bool enabled) override {
        enabled_[Name(button)] = enabled;
        log.push_back(Name(button) + (enabled ? " on" : " off"));
    }
    void Pause(double milliseconds) override {
        log.push_back("pause " + std::to_string(static_cast<int>(milliseconds)));
    }
    int MsgBox(const std::string& text, const std::string& title, unsigned style) override {
        boxes.push_back({text, title, style});
        log.push_back("box:" + title);
        return kIdOk;
    }
    [[noreturn]] void EndProgram() override {
        log.push_back("end");
        throw ProgramEnded{};
    }

    std::string Get(const std::string& name) const {
        auto it = captions_.find(name);
        return it == captions_.end() ? std::string() : it->second;
    }
    bool Enabled(const std::string& name) const {
        auto it = enabled_.find(name);
        return it == enabled_.end() || it->second;
    }

    std::vector<std::string> log;
    std::vector<ShownBox> boxes;

private:
    void Set(const std::string& name, const std::string& value) {
        captions_[name] = value;
        log.push_back(name + "=" + value);
    }
    static std::string Name(InstallTextBox box) {
        return box == InstallTextBox::Text1 ? "Text1" : "Text2";
    }
    static std::string Name(InstallLabel label) {
        switch (label) {
            case InstallLabel::Label4: return "Label4";
            case InstallLabel::Label5: return "Label5";
            case InstallLabel::instfrom: return "instfrom";
            case InstallLabel::wnpdir: return "wnpdir";
        }
        return {};
    }
    static std::string Name(InstallButton button) {
        return "Command" + std::to_string(static_cast<int>(button) + 1);
    }

    std::map<std::string, std::string> captions_;  // texts and captions by control name
    std::map<std::string, bool> enabled_;
};

}  // namespace qlr::test
