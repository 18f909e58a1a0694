#pragma once
// The one place that knows which realisation each kind of control gets.
#include <memory>

#include "platform/win32/controls/ControlWindow.h"

namespace qlr::win32 {

std::unique_ptr<ControlWindow> RealiseControl(forms::Control& control, FormContext& context);

}  // namespace qlr::win32
