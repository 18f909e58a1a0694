#pragma once
// The installer's registry methods: read one value as text, write one value, enumerate the
// subkeys and the values of a key by index, delete a key, delete a value. Each opens its key,
// does its one operation and closes the key; a failing step is skipped, no error reaches the
// caller, and the reading methods say "Not Found" when nothing could be read.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace qlr {

// The text by which the reading methods report that nothing could be read.
inline constexpr const char* kNotFound = "Not Found";
// Value data is read into a buffer of this many bytes, key and value names into one of this many
// characters (their terminating zero included); what does not fit is not read.
inline constexpr std::uint32_t kRegistryBufferSize = 2048;

// A number as decimal text with at least three digits (7 gives "007").
std::string NumberText(std::uint32_t number);

// Value data as text, by its registry type: a DWORD as its number; a string type (REG_SZ,
// REG_EXPAND_SZ, REG_MULTI_SZ) as its characters without the terminating zero it ends in; every
// other type (REG_BINARY, REG_QWORD, REG_NONE, ...) as upper-case hex pairs of all its bytes.
std::string RegistryText(std::uint32_t type, const std::string& data);

// Reads one value (name "" is the key's default value) and returns it as text, or "Not Found".
std::string ReadRegistry(const RegistryReader& registry, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName);

// The text of a REG_DWORD write as a signed 32-bit number: optional blanks, an optional sign and
// decimal digits, optional blanks. Anything else (empty, other characters, a fraction, a number
// outside -2147483648 to 2147483647) converts to 0.
std::int32_t DwordOfText(const std::string& text);

// Writes one value, creating the key (and any missing key on its path). Type REG_DWORD stores the
// text as a 32-bit number (DwordOfText), little-endian, 4 bytes. Every other type stores the text
// as REG_SZ: with a terminating zero for type REG_SZ, without one for any other type.
void WriteRegistry(Registry& registry, std::uint32_t root, const std::string& keyPath,
                   const std::string& valueName, std::uint32_t type, const std::string& value);
// The same for a number: its decimal text is the value.
void WriteRegistry(Registry& registry, std::uint32_t root, const std::string& keyPath,
                   const std::string& valueName, std::uint32_t type, std::int32_t value);

// The name of the subkey at `index` (from 0), or "Not Found" (also past the last subkey).
std::string ReadRegistryGetSubkey(const Registry& registry, std::uint32_t root,
                                  const std::string& keyPath, std::uint32_t index);

// One value of a key by index: its type, its name and its data as text (RegistryText), or, when
// nothing could be read (also past the last value), type 0, name "" and data "Not Found".
struct RegistryItem {
    std::uint32_t type = 0;
    std::string name;
    std::string data = kNotFound;
};
RegistryItem ReadRegistryGetAll(const Registry& registry, std::uint32_t root,
                                const std::string& keyPath, std::uint32_t index);

// Deletes the key keyPath (a key with subkeys stays). The empty path, the root key itself, is
// never deleted.
void DeleteSubkey(Registry& registry, std::uint32_t root, const std::string& keyPath);

// Deletes one value of a key.
void DeleteValue(Registry& registry, std::uint32_t root, const std::string& keyPath,
                 const std::string& valueName);

}  // namespace qlr
