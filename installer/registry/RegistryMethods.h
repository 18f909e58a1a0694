#pragma once
// The installer's registry reading method: one value, returned as text.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace qlr {

// The text by which the reading methods report that nothing could be read.
inline constexpr const char* kNotFound = "Not Found";
// Value data is read into a buffer of this many bytes; larger data is not read.
inline constexpr std::uint32_t kRegistryBufferSize = 2048;

// A number as decimal text with at least three digits (7 gives "007").
std::string NumberText(std::uint32_t number);

// Value data as text, by its registry type: a DWORD as its number, binary data as upper-case hex
// pairs, anything else as a string without its terminating zero.
std::string RegistryText(std::uint32_t type, const std::string& data);

// Reads one value (name "" is the key's default value) and returns it as text, or "Not Found".
std::string ReadRegistry(const Registry& registry, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName);

}  // namespace qlr
