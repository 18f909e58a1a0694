#pragma once
// The registry over the Win32 API (the ANSI functions: one character of text is one byte).
#include <windows.h>

#include "platform/Registry.h"

namespace qlr::win32 {

// What the install and removal steps need: reading, and the few changes a step makes.
class Win32StepRegistry : public StepRegistry {
public:
    RegistryValue Query(std::uint32_t root, const std::string& subKey, const std::string& valueName,
                        std::uint32_t capacity,
                        RegistryView view = RegistryView::Native) const override;
    Status SetValue(std::uint32_t root, const std::string& subKey, const std::string& valueName,
                    std::uint32_t type, const std::string& data) override;
    Status DeleteKey(std::uint32_t root, const std::string& subKey) override;
    Status DeleteValue(std::uint32_t root, const std::string& subKey,
                       const std::string& valueName) override;
};

// The installer's whole registry method set.
class Win32Registry : public Registry {
public:
    RegistryValue Query(std::uint32_t root, const std::string& subKey, const std::string& valueName,
                        std::uint32_t capacity,
                        RegistryView view = RegistryView::Native) const override;
    Status SetValue(std::uint32_t root, const std::string& subKey, const std::string& valueName,
                    std::uint32_t type, const std::string& data) override;
    Status EnumerateSubkey(std::uint32_t root, const std::string& subKey, std::uint32_t index,
                           std::uint32_t capacity, std::string& name) const override;
    RegistryValue EnumerateValue(std::uint32_t root, const std::string& subKey, std::uint32_t index,
                                 std::uint32_t nameCapacity, std::uint32_t dataCapacity) const override;
    Status DeleteKey(std::uint32_t root, const std::string& subKey) override;
    Status DeleteValue(std::uint32_t root, const std::string& subKey,
                       const std::string& valueName) override;

private:
    Win32StepRegistry steps_;  // the reading and the changes a step makes, passed on to it
};

}  // namespace qlr::win32
