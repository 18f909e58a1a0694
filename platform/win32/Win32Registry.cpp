#include "platform/win32/Win32Registry.h"

#include "platform/win32/Handle.h"

namespace qlr::win32 {

RegistryValue Win32Registry::Query(std::uint32_t root, const std::string& subKey,
                                   const std::string& valueName, std::uint32_t capacity) const {
    RegistryValue value;
    HKEY opened = nullptr;
    HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    if (RegOpenKeyExA(rootKey, subKey.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return value;
    UniqueKey key(opened);
    std::string data(capacity, '\0');
    DWORD type = 0;
    DWORD size = capacity;
    LONG status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                   capacity ? reinterpret_cast<BYTE*>(data.data()) : nullptr, &size);
    value.type = type;
    value.size = size;
    if (status != ERROR_SUCCESS) return value;
    value.ok = true;
    if (capacity) value.data = data.substr(0, size);
    return value;
}

}  // namespace qlr::win32
