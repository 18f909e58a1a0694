#pragma once
// The remover's window: the question, the directories it found, and the removal behind "&Yes".
//
// The controls, by what they are for:
//   Command1  "&No": ends the program, touching nothing
//   Command2  "&Yes": runs the removal; then "E&xit", which ends the program
//   Label1    the question "Remove Quillora ?", then the progress and the outcome
//   Label2    the player's directory found, or that none was found
//   Label3    the install directory (the current directory)
//   wnpdir    hidden holder of the player's directory, where the configuration files are
#include "common/RunLog.h"
#include "forms/Controls.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/WindowSystem.h"

namespace qlr::remover {

// The platform services the remover's procedures work with.
struct RemoverServices {
    WindowSystem& windows;
    FileRemoval& files;
    StepRegistry& registry;
    RunLog* log = nullptr;  // a run started with switches logs every file deleted or kept here
};

class Form1 : public forms::Form {
public:
    explicit Form1(RemoverServices services);

    forms::Button Command1;
    forms::Button Command2;
    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    forms::Label wnpdir;

    // Start-up: shows the install directory (the current one) and the player's directory it
    // finds through the player's registry command, which it keeps in wnpdir.
    void Form_Load() override;
    // "&No": ends the program; nothing is touched.
    void Command1_Click();
    // "&Yes": deletes the scheduler's files and turns into "E&xit"; "E&xit" ends the program.
    void Command2_Click();

private:
    RemoverServices services_;
};

// "&Yes" turns into this button once the removal has run.
inline constexpr const char* kExitCaption = "E&xit";

}  // namespace qlr::remover
