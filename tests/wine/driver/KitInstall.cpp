#include "driver/KitInstall.h"

#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "installer/ui/InstallerIds.h"

namespace qlr::wine_driver {

namespace ids = qlr::installer_ids;

std::string StandIn(const std::string& name) {
    std::string bytes = "stand-in " + name + "\r\n";
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes + name;
}

std::string MakeKit(const TempDirectory& root, const std::string& name) {
    const std::string kit = root.MakeSubdirectory(name);
    for (const char* file : kKitFiles) WriteBytes(kit + "\\" + file, StandIn(file));
    return kit;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.good()) throw DriverError("cannot write " + path);
}

std::string SystemDirectory() {
    char directory[MAX_PATH];
    UINT length = GetSystemWow64DirectoryA(directory, MAX_PATH);
    if (length == 0) length = GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory, length);
}

std::string DesktopDirectory() {
    char directory[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, directory);
    return directory;
}

std::string AppDataDirectory() {
    char directory[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, directory);
    return directory;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Profile::Value(const std::string& section, const std::string& key) const {
    auto it = values.find({Lower(section), Lower(key)});
    return it == values.end() ? "<missing>" : it->second;
}

Profile ParseProfile(const std::string& path) {
    Profile profile;
    std::istringstream in(ReadBytes(path));
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            profile.sections.push_back(section);
            continue;
        }
        std::size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        profile.values[{Lower(section), Lower(key)}] =
            equals == std::string::npos ? "" : line.substr(equals + 1);
        profile.keys[Lower(section)].push_back(key);
    }
    return profile;
}

LinkFacts LoadShortcut(const std::string& path) {
    LinkFacts facts;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        Microsoft::WRL::ComPtr<IShellLinkA> link;
        Microsoft::WRL::ComPtr<IPersistFile> file;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link.As(&file))) {
            std::wstring wide(path.begin(), path.end());
            facts.loaded = file->Load(wide.c_str(), STGM_READ);
            char text[MAX_PATH * 2] = {};
            link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
            facts.target = text;
            text[0] = 0;
            link->GetArguments(text, sizeof text);
            facts.arguments = text;
            text[0] = 0;
            link->GetIconLocation(text, sizeof text, &facts.iconIndex);
            facts.iconPath = text;
            text[0] = 0;
            link->GetWorkingDirectory(text, sizeof text);
            facts.workingDirectory = text;
            text[0] = 0;
            link->GetDescription(text, sizeof text);
            facts.description = text;
            link->GetHotkey(&facts.hotKey);
            link->GetShowCmd(&facts.showCommand);
        }
    }  // the interfaces are released before COM ends on this thread
    CoUninitialize();
    return facts;
}

std::optional<MessageBoxContent> RunInstall(const Process& installer, HWND window,
                                            const std::string& playlist,
                                            const std::string& installDir) {
    if (!installDir.empty()) SetControlText(window, ids::Text1, installDir);
    SetControlText(window, ids::Text2, playlist);
    ClickButton(window, ids::Command1);

    std::optional<MessageBoxContent> report;
    const DWORD start = GetTickCount();
    while (ControlText(window, ids::Command1) != "E&xit") {
        if (GetTickCount() - start > 20000) throw DriverError("the install did not finish");
        Sleep(50);
    }
    // The report box, if any, comes right after the window shows its Done state.
    const DWORD done = GetTickCount();
    while (!report && GetTickCount() - done < 1500) {
        for (HWND box : VisibleTopLevelWindows(installer.Id()))
            if (IsMessageBox(box)) report = ReadMessageBox(box);
        if (!report) Sleep(50);
    }
    if (report) {
        HWND box = WaitForMessageBox(installer);
        ClickButton(box, IDOK);
        WaitUntilGone(box, "the report box");
    }
    return report;
}

}  // namespace qlr::wine_driver
