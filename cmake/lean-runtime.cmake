# The runtime pieces the Windows programs replace with small ones, and the compiler they were
# checked with (included by windows-program-flags.cmake, for GCC).
#
# Each rests on internals of the statically linked runtime, not on a documented interface: which
# library objects define which functions (win32/LeanLibraryErrors.cpp,
# win32/QuietTerminate.cpp), a configuration macro of libstdc++
# (win32/ImplicitStringTemplates.h), and the pthread functions and types the exception
# support calls under the posix thread model (win32/RuntimeThreadPrimitives.cpp).
# Another runtime may keep them in other objects, call other functions or change the types, and
# the programs could then fail to link, grow back, or worse. So a build with another runtime stops
# here until someone has checked the replacements against it. What identifies the runtime is
# libstdc++'s release date (Debian's mingw-w64 GCC reports its version as 12.0.0 whatever the
# release), the mingw-w64 version (winpthreads' types) and the thread model.
option(QLR_LEAN_RUNTIME
  "Link the Windows programs with the small runtime replacements (win32), checked with one compiler"
  ON)
set(QLR_LEAN_RUNTIME_CHECKED_WITH "libstdc++ 20220819, mingw-w64 10.0.0, thread model posix")
if(NOT QLR_LEAN_RUNTIME)
  return()
endif()

set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/qlr-runtime-version.cpp)
file(WRITE ${probe} "#include <cstddef>\n#include <_mingw.h>\nqlr_runtime __GLIBCXX__ "
  "__MINGW64_VERSION_MAJOR __MINGW64_VERSION_MINOR __MINGW64_VERSION_BUGFIX\n")
# -v writes the thread model to the error stream; -E writes the probe's line to the output.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -v -E -P -x c++ ${probe}
  OUTPUT_VARIABLE probed ERROR_VARIABLE about RESULT_VARIABLE failed)
string(REGEX MATCH "qlr_runtime ([^ ]+) ([^ ]+) ([^ ]+) ([^ \n]+)" runtime "${probed}")
set(runtime "libstdc++ ${CMAKE_MATCH_1}, mingw-w64 ${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4}")
string(REGEX MATCH "Thread model: ([^\n]+)" model "${about}")
set(runtime "${runtime}, thread model ${CMAKE_MATCH_1}")
if(failed OR NOT runtime STREQUAL QLR_LEAN_RUNTIME_CHECKED_WITH)
  message(FATAL_ERROR
    "The Windows programs replace pieces of the C++ runtime with small ones that depend on its "
    "internals (see cmake/lean-runtime.cmake). They were checked with\n"
    "  ${QLR_LEAN_RUNTIME_CHECKED_WITH}\n"
    "and this compiler (${CMAKE_CXX_COMPILER}) has\n"
    "  ${runtime}\n"
    "Either check each replacement against this compiler's runtime (each file says at its top what "
    "it replaces and why; then the programs must link, kit.SizeBudgets and the end-to-end tests "
    "pass) and set QLR_LEAN_RUNTIME_CHECKED_WITH in cmake/lean-runtime.cmake to the line above; or "
    "configure with -DQLR_LEAN_RUNTIME=OFF to build the programs with the runtime as it comes: they "
    "then behave the same, but are larger than their size budgets.")
endif()

# std::string's members instantiated in the sources that use them (the header says why).
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-include${PROJECT_SOURCE_DIR}/win32/ImplicitStringTemplates.h>)
