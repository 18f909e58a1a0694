#pragma once
// A view that logs what a real window would redo for each change made in code: "Text1=Installing
// ...", "Command1 off", "Text1 read-only", "Dir1 items", "File1 selection". Attached to a form's
// controls, it shows a test the order of the form's changes as the window sees them.
#include <map>
#include <string>
#include <vector>

#include "forms/Controls.h"

namespace qlr::test {

class RecordingControlView : public forms::ControlView {
public:
    explicit RecordingControlView(std::vector<std::string>& log) : log_(log) {}

    // Attaches to every control of the form; the state they have now is the state before.
    void AttachTo(const forms::Form& form) {
        for (forms::Control* control : form.Controls()) Attach(*control);
    }
    void Attach(forms::Control& control) {
        control.AttachView(this);
        states_[&control] = StateOf(control);
    }

    void Refresh(const forms::Control& control, forms::Change change) override {
        const std::string& name = control.Name();
        switch (change) {
            case forms::Change::Text: log_.push_back(name + "=" + TextOf(control)); break;
            case forms::Change::Items: log_.push_back(name + " items"); break;
            case forms::Change::Selection: log_.push_back(name + " selection"); break;
            case forms::Change::State: {
                const State now = StateOf(control), before = states_[&control];
                if (now.enabled != before.enabled) log_.push_back(name + (now.enabled ? " on" : " off"));
                if (now.readOnly != before.readOnly)
                    log_.push_back(name + (now.readOnly ? " read-only" : " editable"));
                if (now.visible != before.visible) log_.push_back(name + (now.visible ? " shown" : " hidden"));
                states_[&control] = now;
                break;
            }
        }
    }

    // A control's text or caption; "" for a kind that has none.
    static std::string TextOf(const forms::Control& control) {
        if (const auto* box = dynamic_cast<const forms::TextBox*>(&control)) return box->Text();
        if (const auto* label = dynamic_cast<const forms::Label*>(&control)) return label->Caption();
        if (const auto* button = dynamic_cast<const forms::Button*>(&control)) return button->Caption();
        return {};
    }

private:
    struct State {
        bool enabled = true, readOnly = false, visible = true;
    };
    static State StateOf(const forms::Control& control) {
        const auto* box = dynamic_cast<const forms::TextBox*>(&control);
        return {control.Enabled(), box && box->ReadOnly(), control.Visible()};
    }
    std::vector<std::string>& log_;
    std::map<const forms::Control*, State> states_;
};

}  // namespace qlr::test
