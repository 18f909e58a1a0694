# Code generation and linking of the Windows builds with GCC (mingw-w64), wherever they are made:
# small programs, and the same bytes from every build of the same sources.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  return()
endif()
# Every function and object in a section of its own, and the sections nothing refers to dropped
# at link time: the statically linked C++ runtime then brings only what the programs use.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffunction-sections> $<$<COMPILE_LANGUAGE:CXX>:-fdata-sections>)
add_link_options(-Wl,--gc-sections)
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-include${PROJECT_SOURCE_DIR}/platform/win32/ImplicitStringTemplates.h>)
# No link time in the PE header, and no source or build directory in anything the compiler
# writes (__FILE__, debug information when asked for).
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>)
