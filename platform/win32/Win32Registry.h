#pragma once
// The registry over the Win32 API.
#include <windows.h>

#include "platform/Registry.h"

namespace qlr::win32 {

class Win32Registry : public Registry {
public:
    RegistryValue Query(std::uint32_t root, const std::string& subKey, const std::string& valueName,
                        std::uint32_t capacity) const override;
};

}  // namespace qlr::win32
