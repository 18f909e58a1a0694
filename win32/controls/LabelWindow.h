#pragma once
// A label: a static window drawn here, so that colours and line breaks are the same everywhere.
// It stands on the form's background unless it names its own.
#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

class LabelWindow : public ControlWindow {
public:
    LabelWindow(forms::Label& label, FormContext& context)
        : ControlWindow(label, context), label_(label) {}

    void Layout() override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    Shape Describe() const override;
    void Show(forms::Change change) override;
    COLORREF DefaultText() const override { return GetSysColor(COLOR_BTNTEXT); }
    // A label that sizes itself becomes as wide as its caption.
    void FitToCaption();

    forms::Label& label_;
};

}  // namespace qlr::win32
