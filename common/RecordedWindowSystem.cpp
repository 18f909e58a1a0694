#include "common/RecordedWindowSystem.h"

namespace qlr {

using namespace std::literals;

int RecordedWindowSystem::MsgBox(const std::string& text, const std::string& title, unsigned style) {
    const bool question = (style & kMbTypeMask) == kMbYesNo;
    int answer = question ? questionAnswer_ : kIdOk;
    if (!unattended_) answer = screen_.MsgBox(text, title, style);
    if (question && answer == kIdNo) declined_ = true;
    const char* shown = answer == kIdYes ? "Yes" : answer == kIdNo ? "No" : "OK";
    log_.Note({"Message box \""sv, title, "\": "sv, text, " (answered "sv, shown, ")"sv});
    return answer;
}

void RecordedWindowSystem::ShowModal(forms::Form& form) {
    if (!unattended_) screen_.ShowModal(form);
}

void RecordedWindowSystem::EndProgram() {
    if (!unattended_) {
        if (beforeEnd) beforeEnd->BeforeEnd();
        screen_.EndProgram();
    }
    throw RunEnded{};
}

}  // namespace qlr
