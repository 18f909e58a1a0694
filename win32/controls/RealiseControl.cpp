#include "win32/controls/RealiseControl.h"

#include "win32/controls/ButtonWindow.h"
#include "win32/controls/LabelWindow.h"
#include "win32/controls/MakeControlWindow.h"
#include "win32/controls/PictureWindow.h"
#include "win32/controls/TextBoxWindow.h"

namespace qlr::win32 {

std::unique_ptr<ControlWindow> RealiseStandardControl(forms::Control& control, FormContext& context) {
    switch (control.kind()) {
        case forms::Kind::Label: return MakeControlWindow<LabelWindow, forms::Label>(control, context);
        case forms::Kind::TextBox: return MakeControlWindow<TextBoxWindow, forms::TextBox>(control, context);
        case forms::Kind::Button: return MakeControlWindow<ButtonWindow, forms::Button>(control, context);
        case forms::Kind::PictureBox: return MakeControlWindow<PictureWindow, forms::PictureBox>(control, context);
        default: return nullptr;
    }
}

}  // namespace qlr::win32
