#pragma once
// Access to the Windows registry, one operation at a time. Each call opens the key it needs,
// performs its one operation and closes the key again, so no handle outlives it. Every call
// reports the system's own error code when it fails (2: the key or value is not there, 234: a
// buffer is too small, 259: an index past the last item, ...).
#include <cstdint>
#include <string>

#include "platform/Status.h"

namespace qlr {

enum : std::uint32_t {
    kHkeyClassesRoot = 0x80000000u,
    kHkeyCurrentUser = 0x80000001u,
    kHkeyLocalMachine = 0x80000002u,
};

enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

// Error codes of the Windows API that registry calls report.
enum : std::uint32_t {
    kErrorNotFound = 2,         // ERROR_FILE_NOT_FOUND: no such key or value
    kErrorAccessDenied = 5,     // also: deleting a key that still has subkeys
    kErrorMoreData = 234,       // a name or the data does not fit its buffer
    kErrorNoMoreItems = 259,    // an enumeration index past the last item
};

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
    virtual ~RegistryReader() = default;
    // Opens subKey under root and queries valueName ("" is the key's default value) into a buffer
    // of `capacity` bytes. With capacity 0 no data is read: only the type and size are learned.
    // Data larger than a non-zero capacity makes the query fail.
    virtual RegistryValue Query(std::uint32_t root, const std::string& subKey,
                                const std::string& valueName, std::uint32_t capacity) const = 0;
};

class Registry : public RegistryReader {
public:
    // Creates subKey under root (with every missing key on its path) or opens it, stores the value
    // with exactly these type and data bytes, and flushes the key to disk before closing it.
    virtual Status SetValue(std::uint32_t root, const std::string& subKey,
                            const std::string& valueName, std::uint32_t type,
                            const std::string& data) = 0;

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

    // Deletes subKey under root; a key that still has subkeys is not deleted.
    virtual Status DeleteKey(std::uint32_t root, const std::string& subKey) = 0;

    // Deletes the value valueName of subKey under root.
    virtual Status DeleteValue(std::uint32_t root, const std::string& subKey,
                               const std::string& valueName) = 0;
};

}  // namespace qlr
