// Included ahead of every source file of the GCC Windows builds (-include).
//
// The library declares std::string's members as explicitly instantiated in the library itself, so
// a program that uses std::string links the library's object holding all of them. With mingw's
// linker every function of that object stays in the program however few are used (the object's
// exception-handling data refers to each of them), about 33 KB. The value -1 is the library's own
// setting that turns off only basic_string's extern template declarations: each source file then
// instantiates the members it uses, and the linker keeps one copy of each.
#pragma once
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
