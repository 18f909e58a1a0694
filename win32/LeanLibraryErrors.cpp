// The functions through which the C++ library's headers raise its errors, for the kit's window
// programs.
//
// The library's own versions build std::logic_error and std::runtime_error objects, whose message
// is a reference-counted string of the old ABI; linking them brings a second complete string
// implementation, the error classes and the random-number device that shares their object (about
// 75 KB of each program with mingw's linker, which keeps every function of a linked object).
// These versions throw the library's own type where it holds no string, and otherwise an error
// derived from std::exception that keeps the library's message. The programs catch what their
// event handlers throw with catch (...), so they behave as before. All fifteen are defined, so the
// library's object is never linked beside them.
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* message) : message_(message) {}
    const char* what() const noexcept override { return message_; }

private:
    const char* message_;  // the library passes string literals
};

}  // namespace

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* message) { throw LibraryError(message); }
void __throw_domain_error(const char* message) { throw LibraryError(message); }
void __throw_invalid_argument(const char* message) { throw LibraryError(message); }
void __throw_length_error(const char* message) { throw LibraryError(message); }
void __throw_out_of_range(const char* message) { throw LibraryError(message); }
// The message stays unformatted: formatting it would bring the library's snprintf.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
void __throw_runtime_error(const char* message) { throw LibraryError(message); }
void __throw_range_error(const char* message) { throw LibraryError(message); }
void __throw_overflow_error(const char* message) { throw LibraryError(message); }
void __throw_underflow_error(const char* message) { throw LibraryError(message); }

}  // namespace std
