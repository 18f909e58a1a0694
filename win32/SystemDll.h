#pragma once
// Functions of system DLLs looked up when they are used, for two reasons. A DLL that is not among
// the system's known DLLs (comctl32, version) is loaded from the System directory only: imported
// statically, it would be searched for in the program's own directory before the program could
// restrict the search. And a function that Windows XP lacks (user32's per-window DPI, kernel32's
// per-thread error mode) leaves the program able to start there: the caller sees nullptr and
// takes the way XP offers.
#include <windows.h>

namespace qlr::win32 {

// The environment variable that makes the Win32 layer act as on Windows XP (any value): every
// function newer than XP is missing and every flag newer than XP refused, as XP refuses it. The
// end-to-end tests set it to take the XP paths on the systems they run on. A variable, not a
// setting of the machine, so that it holds only for the run it is given to.
inline constexpr char kAsWindowsXpVariable[] = "QLR_AS_WINDOWS_XP";

// Whether this run acts as on Windows XP (kAsWindowsXpVariable is set).
inline bool AsWindowsXp() { return GetEnvironmentVariableA(kAsWindowsXpVariable, nullptr, 0) != 0; }

// The system DLL `dll`: one already loaded, or else loaded from the System directory. Systems
// without that search flag (XP; Vista and 7 before the update that brought it) refuse it with
// ERROR_INVALID_PARAMETER: there the DLL is loaded by name, once RestrictDllSearch has taken the
// current directory out of the search, and the name still leads to the system's own DLL: comctl32
// is the side-by-side assembly the program's manifest names, version.dll one of XP's known DLLs.
inline HMODULE SystemModule(const char* dll) {
    if (HMODULE module = GetModuleHandleA(dll)) return module;
    if (!AsWindowsXp()) {
        if (HMODULE module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
        if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    }
    return LoadLibraryA(dll);
}

// The function `name` of the system DLL `dll`, or nullptr when there is no such function.
template <typename Fn>
Fn SystemFunction(const char* dll, const char* name) {
    HMODULE module = SystemModule(dll);
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A function Windows XP lacks: as SystemFunction, and nullptr when the run acts as on XP.
template <typename Fn>
Fn FunctionAfterXp(const char* dll, const char* name) {
    return AsWindowsXp() ? nullptr : SystemFunction<Fn>(dll, name);
}

}  // namespace qlr::win32
