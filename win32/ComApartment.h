#pragma once
// COM on this thread for the lifetime of the object. Interface pointers are owned by the
// toolchain's Microsoft::WRL::ComPtr (<wrl/client.h>).
#include <objbase.h>

namespace qlr::win32 {

// A thread where COM was already initialised in another mode still works with the apartment it
// has, and is left as it was.
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
