#include "win32/controls/DirListWindow.h"
#include "win32/controls/DriveChooserWindow.h"
#include "win32/controls/FileListWindow.h"
#include "win32/controls/MakeControlWindow.h"
#include "win32/controls/RealiseControl.h"

namespace qlr::win32 {

std::unique_ptr<ControlWindow> RealiseAnyControl(forms::Control& control, FormContext& context) {
    switch (control.kind()) {
        case forms::Kind::DriveList: return MakeControlWindow<DriveChooserWindow, forms::DriveList>(control, context);
        case forms::Kind::DirList: return MakeControlWindow<DirListWindow, forms::DirList>(control, context);
        case forms::Kind::FileList: return MakeControlWindow<FileListWindow, forms::FileList>(control, context);
        default: return RealiseStandardControl(control, context);
    }
}

}  // namespace qlr::win32
