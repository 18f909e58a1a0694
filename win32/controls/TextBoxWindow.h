#pragma once
// A text box: an EDIT window. The user's edits reach the model as they are typed.
#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

class TextBoxWindow : public ControlWindow {
public:
    TextBoxWindow(forms::TextBox& box, FormContext& context) : ControlWindow(box, context), box_(box) {}

    void OnCommand(int code) override;

private:
    Shape Describe() const override;
    void Show(forms::Change change) override;
    // Read-only also in a window that takes no input.
    bool ShownReadOnly() const { return box_.ReadOnly() || !context_.takesInput; }

    forms::TextBox& box_;
    bool showing_ = false;  // set while code changes the text, so its EN_CHANGE is not an edit
};

}  // namespace qlr::win32
