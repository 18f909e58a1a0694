#include "driver/GuiObjects.h"

#include <winternl.h>

#include <vector>

#include "driver/Driver.h"

namespace qlr::wine_driver {

namespace {

// One entry of the GDI handle table: the object's type byte is 0 for a free entry.
struct GdiHandleEntry {
    unsigned long long object;
    unsigned int owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the table's entries are 24 bytes");
constexpr size_t kGdiHandles = 0x10000;
// Where the PEB holds the table's address.
constexpr size_t kPebGdiTable = sizeof(void*) == 8 ? 0xF8 : 0x94;

struct WindowCount {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != count->processId) return TRUE;
    ++count->count;
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

int CountGdi(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        throw DriverError("cannot find the process's PEB");
    void* table = nullptr;
    if (!ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTable,
                           &table, sizeof table, nullptr) || !table)
        throw DriverError("the process has no GDI handle table");
    std::vector<GdiHandleEntry> entries(kGdiHandles);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry), nullptr))
        throw DriverError("cannot read the process's GDI handle table");
    int used = 0;
    for (const GdiHandleEntry& entry : entries) used += entry.type != 0;
    return used;
}

}  // namespace

GuiObjectCounts CountGuiObjects(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    GuiObjectCounts counts;
    try {
        counts.gdi = CountGdi(process);
    } catch (...) {
        CloseHandle(process);
        throw;
    }
    CloseHandle(process);
    WindowCount windows{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    counts.windows = windows.count;
    return counts;
}

}  // namespace qlr::wine_driver
