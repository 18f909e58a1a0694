// The handler std::terminate calls, for the kit's window programs: the process ends at once.
//
// The library's own handler first prints the type of an uncaught exception to the standard error
// stream, which a window program does not have; the name demangler and the formatted-output code
// it needs made up about 60 KB of each program. Defining the handler here, in an object every
// program links, keeps the library's version out of the link.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
