#pragma once
// Functions of system DLLs that are not among the system's known DLLs (comctl32, version),
// loaded on first use from the System directory only. Imported statically, such a DLL would be
// searched for in the program's own directory before the program could restrict the search.
#include <windows.h>

namespace qlr::win32 {

template <typename Fn>
Fn SystemFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (!module) module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace qlr::win32
