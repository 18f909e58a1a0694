// The thread primitives the statically linked C++ runtime calls, for the kit's window programs:
// run-once, mutexes and thread-local keys, on what the Win32 API has from Windows XP on.
//
// With the posix thread model the exception-handling code (the unwinder's list of frame tables,
// the emergency exception pool, the per-thread exception state) calls these through pthread
// names; the winpthreads library behind them links its whole thread implementation with them
// (about 32 KB of each program). The definitions here take the same names and types, so the
// linker uses them instead. Only what the runtime calls is defined: anything else it starts to
// call links winpthreads again, and the duplicate names then fail the link instead of mixing two
// implementations.
#include <windows.h>

#include <cerrno>
#include <cstdint>

namespace {

// A mutex is a word: 1 while held, 0 or -1 (a statically initialised pthread mutex) while free.
// The runtime takes its mutexes rarely (registering frame tables at start-up, the emergency
// exception pool, the first exception state of a thread) and the programs' C++ code runs on one
// thread, so a lock that yields while another thread holds it is enough, on every system from
// Windows XP on, with nothing to create or free.
constexpr intptr_t kHeld = 1;

enum OnceState : LONG { kNotRun = 0, kRunning = 1, kDone = 2 };

}  // namespace

extern "C" {

int pthread_once(long* once, void (*init)(void)) {
    auto* state = reinterpret_cast<volatile LONG*>(once);
    if (InterlockedCompareExchange(state, kRunning, kNotRun) == kNotRun) {
        init();
        InterlockedExchange(state, kDone);
        return 0;
    }
    while (InterlockedCompareExchange(state, kDone, kDone) != kDone) SwitchToThread();
    return 0;
}

int pthread_mutex_init(intptr_t* mutex, const unsigned* attributes) {
    if (attributes) return EINVAL;  // only the default kind is made here
    *mutex = 0;
    return 0;
}

int pthread_mutex_destroy(intptr_t*) { return 0; }  // the word holds no resource

int pthread_mutex_lock(intptr_t* mutex) {
    auto* word = reinterpret_cast<void* volatile*>(mutex);
    for (;;) {
        void* seen = *word;
        if (seen != reinterpret_cast<void*>(kHeld) &&
            InterlockedCompareExchangePointer(word, reinterpret_cast<void*>(kHeld), seen) == seen)
            return 0;
        SwitchToThread();
    }
}

int pthread_mutex_unlock(intptr_t* mutex) {
    InterlockedExchangePointer(reinterpret_cast<void* volatile*>(mutex), nullptr);
    return 0;
}

// The destructor is not called when a thread ends: the runtime uses it to free that thread's
// exception state, and the programs run their C++ code on their main thread only, whose state
// lasts until the process ends.
int pthread_key_create(unsigned* key, void (*)(void*)) {
    const DWORD index = TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES) return EAGAIN;
    *key = index;
    return 0;
}

void* pthread_getspecific(unsigned key) {
    // TlsGetValue clears the thread's last error; the caller may be between a failed system call
    // and reading its error code.
    const DWORD error = GetLastError();
    void* value = TlsGetValue(key);
    SetLastError(error);
    return value;
}

int pthread_setspecific(unsigned key, const void* value) {
    return TlsSetValue(key, const_cast<void*>(value)) ? 0 : ENOMEM;
}

}  // extern "C"
