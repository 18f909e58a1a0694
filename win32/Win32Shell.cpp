#include "win32/Win32Shell.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <vector>

#include "win32/ComApartment.h"
#include "win32/Win32Status.h"

namespace qlr::win32 {

namespace {

using Microsoft::WRL::ComPtr;

int CsidlOf(SpecialFolder folder) {
    switch (folder) {
        case SpecialFolder::Desktop: return CSIDL_DESKTOPDIRECTORY;
        case SpecialFolder::Programs: return CSIDL_PROGRAMS;
        case SpecialFolder::StartMenu: return CSIDL_STARTMENU;
        case SpecialFolder::StartUp: break;
    }
    return CSIDL_STARTUP;
}

// The ANSI path as the NUL-terminated wide text IPersistFile::Save takes. (A vector rather than
// std::wstring: the wide string class would bring its whole instantiation into the program.)
std::vector<wchar_t> Wide(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::vector<wchar_t> wide(length + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}
}  // namespace

Status Win32Shell::SpecialFolderPath(SpecialFolder folder, std::string& path) {
    const bool common = folder == SpecialFolder::Desktop && commonDesktop;
    return CsidlFolderPath(common ? CSIDL_COMMON_DESKTOPDIRECTORY : CsidlOf(folder), path);
}

Status Win32Shell::CsidlFolderPath(int csidl, std::string& path) {
    char buffer[MAX_PATH] = {};
    HRESULT hr = SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer);
    if (hr != S_OK) return FromHResult(FAILED(hr) ? hr : E_FAIL);  // S_FALSE: no such folder
    path = buffer;
    return Status::Ok();
}

Status Win32Shell::EnvironmentVariable(const std::string& name, std::string& value) {
    char buffer[32767];  // the longest value a variable can hold, and its zero
    SetLastError(ERROR_SUCCESS);
    const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
    if (length == 0 && GetLastError() != ERROR_SUCCESS) return Status::Fail(GetLastError());
    value.assign(buffer, length);
    return Status::Ok();
}

Status Win32Shell::SaveShortcut(const std::string& linkPath, const Shortcut& shortcut) {
    ComApartment com;
    if (!com.Usable()) return FromHResult(com.Result());

    ComPtr<IShellLinkA> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&link));
    if (FAILED(hr)) return FromHResult(hr);
    // The same order as the shell's script object sets these properties.
    if (FAILED(hr = link->SetShowCmd(shortcut.showCommand))) return FromHResult(hr);
    if (FAILED(hr = link->SetHotkey(shortcut.hotKey))) return FromHResult(hr);
    if (FAILED(hr = link->SetPath(shortcut.target.c_str()))) return FromHResult(hr);
    if (FAILED(hr = link->SetIconLocation(shortcut.iconPath.c_str(), shortcut.iconIndex)))
        return FromHResult(hr);
    if (FAILED(hr = link->SetDescription(shortcut.description.c_str()))) return FromHResult(hr);
    if (FAILED(hr = link->SetWorkingDirectory(shortcut.workingDirectory.c_str())))
        return FromHResult(hr);

    ComPtr<IPersistFile> file;
    if (FAILED(hr = link.As(&file))) return FromHResult(hr);
    return FromHResult(file->Save(Wide(linkPath).data(), TRUE));
}

}  // namespace qlr::win32
