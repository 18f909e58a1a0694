#pragma once
// The clock of the Windows programs: the performance counter, in milliseconds, and the local time.
//
// Read directly rather than through std::chrono::steady_clock, whose mingw implementation goes
// through winpthreads' clock_gettime and links that library's whole thread implementation.
#include <windows.h>

#include "platform/WindowSystem.h"

namespace qlr::win32 {

inline LocalTime LocalTimeNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

class Win32Clock : public Clock {
public:
    Win32Clock() { QueryPerformanceFrequency(&frequency_); }  // fixed at boot, never fails (XP on)

    double NowMs() const override {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency_.QuadPart);
    }

    LocalTime LocalNow() const override { return LocalTimeNow(); }

private:
    LARGE_INTEGER frequency_;
};

}  // namespace qlr::win32
