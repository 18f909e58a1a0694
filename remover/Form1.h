#pragma once
// The remover's window: the question, the directories it found, and the removal behind "&Yes".
#include <string>
#include <vector>

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
    const RegistryReader& registry;
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
    // Deletes one file; a file that is there and stays there is added to `failed`.
    void Delete(const std::string& path, std::vector<std::string>& failed);

    RemoverServices services_;
};

// "&Yes" turns into this button once the removal has run.
inline constexpr const char* kExitCaption = "E&xit";

// The configuration files, in the order of deletion: the five files the installer writes, then
// their numbered companions 1 to 300.
std::vector<std::string> ConfigurationFileNames();
// The program files, in the order of deletion. The remover's own file is not among them.
inline constexpr const char* kProgramFile = "qlr111.exe";
inline constexpr const char* kDialogLibrary = "comdlg32.dll";

}  // namespace qlr::remover
