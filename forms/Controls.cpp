#include "forms/Controls.h"

namespace qlr::forms {

std::string WindowText(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

void TextBox::TextEditedByUser(const std::string& text) {
    std::string value = WindowText(text);
    if (value == text_) return;
    text_ = std::move(value);
    Changed(false);
}

Control* Form::Find(int id) const {
    for (Control* control : controls_)
        if (control->Id() == id) return control;
    return nullptr;
}

}  // namespace qlr::forms
