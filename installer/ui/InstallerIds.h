#pragma once
// Control identifiers and titles of the installer's windows. The end-to-end tests find them by these.
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

// The install directory picker.
namespace qlr::dir_ids {

inline constexpr const char* kTitle = "Select Winamp Directory";

enum : int {
    Drive1 = 200,
    Dir1 = 201,
    Label1 = 202,
    Command1 = 203,  // "&OK"
    Command2 = 204,  // "&Cancel"
};

}  // namespace qlr::dir_ids

// The default playlist picker.
namespace qlr::fil_ids {

inline constexpr const char* kTitle = "Select Default Playlist";

enum : int {
    Drive1 = 300,
    Dir1 = 301,
    File1 = 302,
    Text1 = 303,     // the chosen file's full path, read-only
    Command1 = 304,  // "&OK"
    Command2 = 305,  // "&Cancel"
    Label1 = 306,
    Text2 = 307,     // the pattern list
};

}  // namespace qlr::fil_ids
