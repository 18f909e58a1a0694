#pragma once
// A Win32 call's outcome as a Status, whichever way the call reports it: through GetLastError, as
// an error code it returns (the registry's LSTATUS), or as a COM result (HRESULT).
#include <windows.h>

#include "platform/Status.h"

namespace qlr::win32 {

// The error code a failed call left for GetLastError.
inline Status LastError() { return Status::Fail(GetLastError()); }

// A call that returns FALSE on failure and leaves its error code for GetLastError.
inline Status StatusOf(BOOL ok) { return ok ? Status::Ok() : LastError(); }

// A call that returns its error code (ERROR_SUCCESS on success).
inline Status FromErrorCode(LSTATUS code) {
    return code == ERROR_SUCCESS ? Status::Ok() : Status::Fail(static_cast<std::uint32_t>(code));
}

// A COM call's result: a Windows error code when the result wraps one, otherwise the result
// itself.
inline Status FromHResult(HRESULT hr) {
    if (SUCCEEDED(hr)) return Status::Ok();
    if (HRESULT_FACILITY(hr) == FACILITY_WIN32) return Status::Fail(HRESULT_CODE(hr));
    return Status::Fail(static_cast<std::uint32_t>(hr));
}

}  // namespace qlr::win32
