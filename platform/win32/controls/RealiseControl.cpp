#include "platform/win32/controls/RealiseControl.h"

#include "platform/win32/controls/ButtonWindow.h"
#include "platform/win32/controls/DirListWindow.h"
#include "platform/win32/controls/DriveChooserWindow.h"
#include "platform/win32/controls/FileListWindow.h"
#include "platform/win32/controls/LabelWindow.h"
#include "platform/win32/controls/PictureWindow.h"
#include "platform/win32/controls/TextBoxWindow.h"

namespace qlr::win32 {

namespace {

template <typename Window, typename Model>
std::unique_ptr<ControlWindow> Make(forms::Control& control, FormContext& context) {
    return std::make_unique<Window>(static_cast<Model&>(control), context);
}

}  // namespace

std::unique_ptr<ControlWindow> RealiseControl(forms::Control& control, FormContext& context) {
    switch (control.kind()) {
        case forms::Kind::Label: return Make<LabelWindow, forms::Label>(control, context);
        case forms::Kind::TextBox: return Make<TextBoxWindow, forms::TextBox>(control, context);
        case forms::Kind::Button: return Make<ButtonWindow, forms::Button>(control, context);
        case forms::Kind::PictureBox: return Make<PictureWindow, forms::PictureBox>(control, context);
        case forms::Kind::DriveList: return Make<DriveChooserWindow, forms::DriveList>(control, context);
        case forms::Kind::DirList: return Make<DirListWindow, forms::DirList>(control, context);
        case forms::Kind::FileList: return Make<FileListWindow, forms::FileList>(control, context);
    }
    return nullptr;
}

}  // namespace qlr::win32
