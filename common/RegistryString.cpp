#include "common/RegistryString.h"

namespace qlr {

bool ReadStringValue(const RegistryReader& registry, std::uint32_t root, const std::string& subKey,
                     const std::string& valueName, std::string& text, RegistryView view) {
    const RegistryValue probe = registry.Query(root, subKey, valueName, 0, view);
    if (!probe.ok() || probe.type != kRegSz) return false;
    if (probe.size == 0) {
        text.clear();
        return true;
    }
    // The value may have changed between the two queries (grown, or become another type): then
    // nothing trustworthy was read.
    const RegistryValue value = registry.Query(root, subKey, valueName, probe.size, view);
    if (!value.ok() || value.type != kRegSz) return false;
    text = value.data.substr(0, value.data.find('\0'));
    return true;
}

}  // namespace qlr
