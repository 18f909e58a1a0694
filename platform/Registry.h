#pragma once
// Access to the Windows registry, one operation at a time. Each call opens the key it needs,
// performs its one operation and closes the key again, so no handle outlives it. Every call
// reports the system's own error code when it fails (kErrorFileNotFound: the key or value is not
// there, kErrorMoreData: a buffer is too small, kErrorNoMoreItems: an index past the last item,
// ...). Roots and value types are those of platform/WindowsValues.h.
#include <cstdint>
#include <string>

#include "platform/Status.h"
#include "platform/WindowsValues.h"

namespace qlr {

// Which registry a query reads on 64-bit Windows, where 32-bit programs see a registry of their
// own for most of HKEY_LOCAL_MACHINE\Software: the program's own (Native), or the one 32-bit
// programs see (Bits32), which a 64-bit program must ask for. On 32-bit Windows both are one.
enum class RegistryView { Native, Bits32 };

struct RegistryValue {
    Status status;            // the query's outcome
    std::string name;         // the value's name, when it was found by enumeration
    std::uint32_t type = 0;   // the registry type number
    std::uint32_t size = 0;   // the data size in bytes, as the registry reports it
    std::string data;         // the data bytes (exactly `size` of them) when ok and capacity > 0

    bool ok() const { return status.ok(); }
};

// Reading alone: a program that only reads values works with this, and carries the code of no
// other operation.
class RegistryReader {
public:
    // Opens subKey under root and queries valueName ("" is the key's default value) into a buffer
    // of `capacity` bytes. With capacity 0 no data is read: only the type and size are learned.
    // Data larger than a non-zero capacity makes the query fail. The key is looked for in the
    // given view.
    virtual RegistryValue Query(std::uint32_t root, const std::string& subKey,
                                const std::string& valueName, std::uint32_t capacity,
                                RegistryView view = RegistryView::Native) const = 0;

protected:
    ~RegistryReader() = default;  // never deleted through this interface
};

// The registry as the install and removal steps hold it: reading, and the narrow writer, the few
// changes a step makes: values under keys of the kit's own, and those values and keys taken away
// again. Nothing here enumerates, so a program that only takes such steps carries no enumeration
// code. (One chain of interfaces rather than a writer beside the reader: a class with two such
// bases carries a second table of virtual functions and a thunk per function, about 200 bytes of
// the installer, which its size budget has no room for.)
class StepRegistry : public RegistryReader {
public:
    // Creates subKey under root (with every missing key on its path) or opens it, stores the value
    // with exactly these type and data bytes, and flushes the key to disk before closing it.
    virtual Status SetValue(std::uint32_t root, const std::string& subKey,
                            const std::string& valueName, std::uint32_t type,
                            const std::string& data) = 0;

    // Deletes subKey under root; a key that still has subkeys is not deleted, so only a key the
    // kit made and emptied goes.
    virtual Status DeleteKey(std::uint32_t root, const std::string& subKey) = 0;

    // Deletes the value valueName of subKey under root.
    virtual Status DeleteValue(std::uint32_t root, const std::string& subKey,
                               const std::string& valueName) = 0;

    // A string value (REG_SZ): the text and the terminating zero the registry keeps with it.
    Status SetStringValue(std::uint32_t root, const std::string& subKey,
                          const std::string& valueName, const std::string& text) {
        return SetValue(root, subKey, valueName, kRegSz, text + '\0');
    }
    // A number value (REG_DWORD): four bytes, the lowest first.
    Status SetNumberValue(std::uint32_t root, const std::string& subKey,
                          const std::string& valueName, std::uint32_t number) {
        const char bytes[] = {char(number & 0xFF), char(number >> 8 & 0xFF),
                              char(number >> 16 & 0xFF), char(number >> 24 & 0xFF)};
        return SetValue(root, subKey, valueName, kRegDword, std::string(bytes, sizeof bytes));
    }
};

// The installer's registry method set: the steps' registry, and enumeration.
class Registry : public StepRegistry {
public:
    // The name of the subkey at `index` (from 0) of subKey under root, read into a buffer of
    // `capacity` characters that must also hold its terminating zero: a longer name fails.
    virtual Status EnumerateSubkey(std::uint32_t root, const std::string& subKey,
                                   std::uint32_t index, std::uint32_t capacity,
                                   std::string& name) const = 0;

    // The value at `index` (from 0) of subKey under root: its name (into a buffer of
    // nameCapacity characters, terminating zero included), type and data (into dataCapacity
    // bytes). A name or data that does not fit makes the call fail.
    virtual RegistryValue EnumerateValue(std::uint32_t root, const std::string& subKey,
                                         std::uint32_t index, std::uint32_t nameCapacity,
                                         std::uint32_t dataCapacity) const = 0;
};

}  // namespace qlr
