#pragma once
// Owners of Win32 handles: each closes its handle once, and cannot be copied.
#include <windows.h>

#include <utility>

namespace qlr::win32 {

template <typename H, typename Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(H handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~Unique() { reset(); }

    H get() const { return handle_; }
    // For a call that hands a new handle back through an out-parameter: the handle held is
    // closed, and the call writes the new one straight into this owner.
    H* put() {
        reset();
        return &handle_;
    }
    explicit operator bool() const { return Traits::Valid(handle_); }
    H release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(H handle = Traits::Invalid()) {
        if (Traits::Valid(handle_)) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    H handle_ = Traits::Invalid();
};

struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct KeyTraits {
    static HKEY Invalid() { return nullptr; }
    static bool Valid(HKEY h) { return h != nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct GdiTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static bool Valid(HGDIOBJ h) { return h != nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};

struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static bool Valid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static bool Valid(HWND h) { return h != nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

using UniqueHandle = Unique<HANDLE, FileHandleTraits>;
using UniqueFind = Unique<HANDLE, FindTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueWindow = Unique<HWND, WindowTraits>;
using UniqueKey = Unique<HKEY, KeyTraits>;
using UniqueGdi = Unique<HGDIOBJ, GdiTraits>;

}  // namespace qlr::win32
