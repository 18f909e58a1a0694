#pragma once
// The remover's registry module: its one routine reads a plain-string value.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace qlr::remover::RegistryModule {

// Reads the string value valueName ("" is the key's default value) of subKey under root, in two
// queries: the first learns the type and size, the second reads that many bytes. The text ends at
// its first NUL. Only a plain string (REG_SZ) is accepted; a missing key or value, any other type
// or a failing query gives defaultValue.
std::string ReadRegistryString(const RegistryReader& registry, std::uint32_t root,
                               const std::string& subKey, const std::string& valueName,
                               const std::string& defaultValue);

}  // namespace qlr::remover::RegistryModule
