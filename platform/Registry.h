#pragma once
// Read access to the Windows registry, one value at a time. The key is opened, queried and closed
// within each call, so no handle outlives it.
#include <cstdint>
#include <string>

namespace qlr {

enum : std::uint32_t {
    kHkeyClassesRoot = 0x80000000u,
    kHkeyCurrentUser = 0x80000001u,
    kHkeyLocalMachine = 0x80000002u,
};

enum : std::uint32_t {
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

struct RegistryValue {
    bool ok = false;          // the query succeeded
    std::uint32_t type = 0;   // the registry type number
    std::uint32_t size = 0;   // the data size in bytes, as the registry reports it
    std::string data;         // the data bytes (exactly `size` of them) when ok and capacity > 0
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens subKey under root and queries valueName ("" is the key's default value) into a buffer
    // of `capacity` bytes. With capacity 0 no data is read: only the type and size are learned.
    // Data larger than a non-zero capacity makes the query fail.
    virtual RegistryValue Query(std::uint32_t root, const std::string& subKey,
                                const std::string& valueName, std::uint32_t capacity) const = 0;
};

}  // namespace qlr
