#pragma once
// The realisation of one control, made for the model class its kind stands for.
#include <memory>

#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

template <typename Window, typename Model>
std::unique_ptr<ControlWindow> MakeControlWindow(forms::Control& control, FormContext& context) {
    return std::make_unique<Window>(static_cast<Model&>(control), context);
}

}  // namespace qlr::win32
