#pragma once
// Functions of system DLLs looked up when they are used, for two reasons. A DLL that is not among
// the system's known DLLs (comctl32, version) is loaded from the System directory only: imported
// statically, it would be searched for in the program's own directory before the program could
// restrict the search. And a function that older systems lack (user32's per-window DPI) leaves
// the program able to start there: the caller sees nullptr and does without.
#include <windows.h>

namespace qlr::win32 {

// The function `name` of the system DLL `dll` (one already loaded, or else loaded from the System
// directory), or nullptr when there is no such function.

template <typename Fn>
Fn SystemFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (!module) module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace qlr::win32
