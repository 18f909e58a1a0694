#include "remover/Registry.h"

namespace qlr::remover::Registry {

std::string ReadRegistryString(const RegistryReader& registry, std::uint32_t root,
                               const std::string& subKey, const std::string& valueName,
                               const std::string& defaultValue) {
    const RegistryValue probe = registry.Query(root, subKey, valueName, 0);
    if (!probe.ok() || probe.type != kRegSz) return defaultValue;
    if (probe.size == 0) return std::string();

    // The value may have changed between the two queries (grown, or become another type): then
    // nothing trustworthy was read, and the default stands.
    const RegistryValue value = registry.Query(root, subKey, valueName, probe.size);
    if (!value.ok() || value.type != kRegSz) return defaultValue;
    return value.data.substr(0, value.data.find('\0'));
}

}  // namespace qlr::remover::Registry
