#pragma once
// Owner of one COM interface pointer: released once, never copied.
#include <objbase.h>

#include <utility>

namespace qlr::win32 {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset();
        p_ = std::exchange(other.p_, nullptr);
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For the call that fills the pointer: whatever was held before is released first.
    T** Out() {
        Reset();
        return &p_;
    }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

    // Asks for another interface of the same object.
    template <typename U>
    HRESULT As(ComPtr<U>& other) const {
        return p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Out()));
    }

private:
    T* p_ = nullptr;
};

// COM on this thread for the lifetime of the object. A thread where COM was already initialised
// in another mode still works with the apartment it has, and is left as it was.
class ComApartment {
public:
    ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    bool Usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }
    HRESULT Result() const { return hr_; }

private:
    HRESULT hr_;
};

}  // namespace qlr::win32
