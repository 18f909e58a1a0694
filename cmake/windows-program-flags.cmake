# Code generation and linking of the Windows builds with GCC (mingw-w64), wherever they are made:
# small programs, and the same bytes from every build of the same sources.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  return()
endif()
# Every function and object in a section of its own, and the sections nothing refers to dropped
# at link time. With mingw's linker this drops little: an object's single .eh_frame section refers
# to every function in it, so a linked object keeps all of its functions that have
# exception-handling data. What does the work is below: link-time optimisation for the programs'
# own code, and for the runtime, linking fewer of its objects (cmake/lean-runtime.cmake).
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffunction-sections> $<$<COMPILE_LANGUAGE:CXX>:-fdata-sections>)
add_link_options(-Wl,--gc-sections)
include(${CMAKE_CURRENT_LIST_DIR}/lean-runtime.cmake)
# No run-time type information: nothing asks a type for its name or casts down through
# dynamic_cast, and without it each polymorphic class and each function object kept in a
# std::function no longer carries its type's description and mangled name (about 6 KB of the
# 32-bit installer, 1 KB of the remover). Exceptions keep the type descriptions they need.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
# Link-time optimisation: what no function reaches is removed before the code is generated, so
# the eh_frame references above never keep it (about 15 KB off the 32-bit installer, 6 KB off the
# remover).
set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
# In one partition: the 32-bit compiler stops with an internal error (binds_to_current_def_p) when
# the installer's code is split into several.
add_link_options(-flto-partition=one)
# The objects also carry ordinary code, for the end-to-end tests: they link the kit's libraries
# without link-time optimisation (tests/wine/CMakeLists.txt says why).
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffat-lto-objects>)
# No link time in the PE header, and no source or build directory in anything the compiler
# writes (__FILE__, debug information when asked for).
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>)
