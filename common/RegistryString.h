#pragma once
// A plain-string registry value read as text: the way the remover reads the player's command, and
// both programs read the directory the player records.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace qlr {

// Reads the string value valueName ("" is the key's default value) of subKey under root into
// text, in two queries: the first learns the type and size, the second reads that many bytes. The
// text ends at its first NUL. Only a plain string (REG_SZ) is accepted: a missing key or value,
// any other type or a failing query gives false, and text is then left as it was.
bool ReadStringValue(const RegistryReader& registry, std::uint32_t root, const std::string& subKey,
                     const std::string& valueName, std::string& text,
                     RegistryView view = RegistryView::Native);

}  // namespace qlr
