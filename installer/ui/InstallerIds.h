#pragma once
// Control identifiers of the installer's main window. The end-to-end tests find controls by them.
namespace qlr::installer_ids {

enum : int {
    Picture1 = 100,
    Command1 = 101,  // "&Install QLR", later "E&xit"
    Command2 = 102,  // "&Exit Installer"
    Text1 = 103,     // install directory
    Text2 = 104,     // default playlist
    Command4 = 105,  // "&Browse" (install directory)
    Command3 = 106,  // "B&rowse" (default playlist)
    Label2 = 110,
    Label3 = 111,
    Label4 = 112,
    Label5 = 113,
    Label6 = 114,
    instfrom = 120,  // hidden: install source directory
    wnpdir = 121,    // hidden: the player's directory
};

}  // namespace qlr::installer_ids
