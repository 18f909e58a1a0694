#include "common/RegistryString.h"

namespace qlr {

std::optional<std::string> ReadStringValue(const Registry& registry, std::uint32_t root,
                                           const std::string& subKey, const std::string& valueName,
                                           RegistryView view) {
    const RegistryValue probe = registry.Query(root, subKey, valueName, 0, view);
    if (!probe.ok() || probe.type != kRegSz) return std::nullopt;
    if (probe.size == 0) return std::string();

    // The value may have changed between the two queries (grown, or become another type): then
    // nothing trustworthy was read.
    const RegistryValue value = registry.Query(root, subKey, valueName, probe.size, view);
    if (!value.ok() || value.type != kRegSz) return std::nullopt;
    return value.data.substr(0, value.data.find('\0'));
}

}  // namespace qlr
