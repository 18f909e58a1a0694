#include "win32/Win32Registry.h"

#include <vector>

#include "win32/Handle.h"
#include "win32/Win32Status.h"

namespace qlr::win32 {

namespace {

// A predefined root key from its 32-bit number; on 64-bit Windows the handle is sign-extended.
HKEY RootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

// The ANSI functions take zero-terminated names: a name with a NUL inside would reach them cut
// short and name another key or value, so it is refused.
Status Passable(const std::string& subKey) {
    return subKey.find('\0') == std::string::npos ? Status::Ok() : Status::Fail(ERROR_INVALID_PARAMETER);
}
Status Passable(const std::string& subKey, const std::string& valueName) {
    return valueName.find('\0') == std::string::npos ? Passable(subKey) : Status::Fail(ERROR_INVALID_PARAMETER);
}

Status Open(std::uint32_t root, const std::string& subKey, REGSAM access, UniqueKey& key) {
    return FromErrorCode(RegOpenKeyExA(RootKey(root), subKey.c_str(), 0, access, key.put()));
}

// A buffer the API may fill with `capacity` units; never empty, so its address is always valid.
std::vector<char> Buffer(std::uint32_t capacity) { return std::vector<char>(capacity ? capacity : 1); }

}  // namespace

RegistryValue Win32StepRegistry::Query(std::uint32_t root, const std::string& subKey,
                                       const std::string& valueName, std::uint32_t capacity,
                                       RegistryView view) const {
    RegistryValue value;
    UniqueKey key;
    value.status = Passable(subKey, valueName);
    // A 32-bit program sees the 32-bit registry anyway, and 32-bit Windows ignores the flag.
    const REGSAM viewFlag = view == RegistryView::Bits32 ? KEY_WOW64_32KEY : 0;
    if (value.ok()) value.status = Open(root, subKey, KEY_QUERY_VALUE | viewFlag, key);
    if (!value.ok()) return value;
    std::vector<char> data = Buffer(capacity);
    DWORD type = 0;
    DWORD size = capacity;
    BYTE* into = capacity ? reinterpret_cast<BYTE*>(data.data()) : nullptr;
    value.status =
        FromErrorCode(RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, into, &size));
    value.type = type;
    value.size = size;
    if (value.ok() && capacity) value.data.assign(data.data(), size);
    return value;
}

Status Win32StepRegistry::SetValue(std::uint32_t root, const std::string& subKey,
                                   const std::string& valueName, std::uint32_t type,
                                   const std::string& data) {
    Status status = Passable(subKey, valueName);
    if (!status.ok()) return status;
    UniqueKey key;
    status = FromErrorCode(RegCreateKeyExA(RootKey(root), subKey.c_str(), 0, nullptr,
                                           REG_OPTION_NON_VOLATILE, KEY_SET_VALUE | KEY_QUERY_VALUE,
                                           nullptr, key.put(), nullptr));
    if (!status.ok()) return status;
    const Status stored =
        FromErrorCode(RegSetValueExA(key.get(), valueName.c_str(), 0, type,
                                     reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size())));
    const Status flushed = FromErrorCode(RegFlushKey(key.get()));
    return stored.ok() ? flushed : stored;
}

Status Win32StepRegistry::DeleteKey(std::uint32_t root, const std::string& subKey) {
    Status status = Passable(subKey);
    if (!status.ok()) return status;
    // The predefined root is itself a usable handle: no handle of its own is opened for it.
    return FromErrorCode(RegDeleteKeyA(RootKey(root), subKey.c_str()));
}

Status Win32StepRegistry::DeleteValue(std::uint32_t root, const std::string& subKey,
                                      const std::string& valueName) {
    UniqueKey key;
    Status status = Passable(subKey, valueName);
    if (status.ok()) status = Open(root, subKey, KEY_SET_VALUE, key);
    if (!status.ok()) return status;
    return FromErrorCode(RegDeleteValueA(key.get(), valueName.c_str()));
}

RegistryValue Win32Registry::Query(std::uint32_t root, const std::string& subKey,
                                   const std::string& valueName, std::uint32_t capacity,
                                   RegistryView view) const {
    return steps_.Query(root, subKey, valueName, capacity, view);
}

Status Win32Registry::SetValue(std::uint32_t root, const std::string& subKey,
                               const std::string& valueName, std::uint32_t type,
                               const std::string& data) {
    return steps_.SetValue(root, subKey, valueName, type, data);
}

Status Win32Registry::DeleteKey(std::uint32_t root, const std::string& subKey) {
    return steps_.DeleteKey(root, subKey);
}

Status Win32Registry::DeleteValue(std::uint32_t root, const std::string& subKey,
                                  const std::string& valueName) {
    return steps_.DeleteValue(root, subKey, valueName);
}

Status Win32Registry::EnumerateSubkey(std::uint32_t root, const std::string& subKey,
                                      std::uint32_t index, std::uint32_t capacity,
                                      std::string& name) const {
    UniqueKey key;
    Status status = Passable(subKey);
    if (status.ok()) status = Open(root, subKey, KEY_ENUMERATE_SUB_KEYS, key);
    if (!status.ok()) return status;
    std::vector<char> buffer = Buffer(capacity);
    DWORD length = capacity;  // in: room including the terminating zero; out: the name's length
    status = FromErrorCode(RegEnumKeyExA(key.get(), index, buffer.data(), &length, nullptr,
                                         nullptr, nullptr, nullptr));
    if (status.ok()) name.assign(buffer.data(), length);
    return status;
}

RegistryValue Win32Registry::EnumerateValue(std::uint32_t root, const std::string& subKey,
                                            std::uint32_t index, std::uint32_t nameCapacity,
                                            std::uint32_t dataCapacity) const {
    RegistryValue value;
    UniqueKey key;
    value.status = Passable(subKey);
    if (value.ok()) value.status = Open(root, subKey, KEY_QUERY_VALUE, key);
    if (!value.ok()) return value;
    std::vector<char> name = Buffer(nameCapacity);
    std::vector<char> data = Buffer(dataCapacity);
    DWORD nameLength = nameCapacity;  // in: room including the terminating zero; out: the length
    DWORD type = 0;
    DWORD size = dataCapacity;
    value.status = FromErrorCode(RegEnumValueA(key.get(), index, name.data(), &nameLength,
                                               nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                               &size));
    if (!value.ok()) return value;
    value.name.assign(name.data(), nameLength);
    value.type = type;
    value.size = size;
    value.data.assign(data.data(), size);
    return value;
}

}  // namespace qlr::win32
