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
    DWORD threadId;  // the thread of the process's first top-level window
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
    if (!count->threadId) count->threadId = GetWindowThreadProcessId(window, nullptr);
    ++count->count;
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

template <typename T>
bool ReadAt(HANDLE process, unsigned long long address, T& value) {
    return ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<ULONG_PTR>(address)),
                             &value, sizeof value, nullptr);
}

// A 32-bit process under a 64-bit Wine finds the table through its 64-bit PEB only: the
// GdiBatchCount field of its 32-bit TEB (at 0xF70) holds the address of its 64-bit TEB, whose PEB
// pointer (at 0x60) leads to the table's address (at 0xF8). All of them lie where 32-bit code
// reaches them. 0 when the thread's TEB shows no such way.
unsigned long long Wow64GdiTable(HANDLE process, DWORD threadId) {
    struct ThreadBasicInformation {
        LONG exitStatus;
        void* teb;
        void* clientId[2];
        ULONG_PTR affinity;
        LONG priority, basePriority;
    } basic{};
    using QueryThread = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryThread>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId);
    if (!thread || !query) return 0;
    const LONG status = query(thread, 0 /* ThreadBasicInformation */, &basic, sizeof basic, nullptr);
    CloseHandle(thread);
    ULONG teb64 = 0;
    unsigned long long peb64 = 0, table = 0;
    if (status != 0 || !ReadAt(process, reinterpret_cast<ULONG_PTR>(basic.teb) + 0xF70, teb64) || !teb64 ||
        !ReadAt(process, teb64 + 0x60ull, peb64) || !ReadAt(process, peb64 + 0xF8, table))
        return 0;
    return table;
}

int CountGdi(HANDLE process, DWORD threadId) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        throw DriverError("cannot find the process's PEB");
    void* table = nullptr;
    if (!ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTable,
                           &table, sizeof table, nullptr))
        throw DriverError("cannot read the process's PEB");
    if (!table && sizeof(void*) == 4)
        table = reinterpret_cast<void*>(static_cast<ULONG_PTR>(Wow64GdiTable(process, threadId)));
    if (!table) throw DriverError("the process has no GDI handle table");
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
    WindowCount windows{processId, 0, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    GuiObjectCounts counts;
    counts.windows = windows.count;
    try {
        counts.gdi = CountGdi(process, windows.threadId);
    } catch (...) {
        CloseHandle(process);
        throw;
    }
    CloseHandle(process);
    return counts;
}

}  // namespace qlr::wine_driver
