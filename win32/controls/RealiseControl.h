#pragma once
// Which realisation each kind of control gets. The kinds come in two families, each known in one
// place: the standard controls every window has, and the list controls of the pickers. A program
// whose windows have no lists realises its forms with the standard family alone, and so carries
// none of the lists' code.
#include <memory>

#include "win32/controls/ControlWindow.h"

namespace qlr::win32 {

// Makes the realisation of a control; null for a kind the family does not know.
using ControlRealiser = std::unique_ptr<ControlWindow> (*)(forms::Control& control, FormContext& context);

// Labels, text boxes, buttons and picture boxes.
std::unique_ptr<ControlWindow> RealiseStandardControl(forms::Control& control, FormContext& context);
// Those, and the drive chooser, the directory list and the file list.
std::unique_ptr<ControlWindow> RealiseAnyControl(forms::Control& control, FormContext& context);

}  // namespace qlr::win32
