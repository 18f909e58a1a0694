#include "remover/RegistryModule.h"

#include "common/RegistryString.h"

namespace qlr::remover::RegistryModule {

std::string ReadRegistryString(const RegistryReader& registry, std::uint32_t root,
                               const std::string& subKey, const std::string& valueName,
                               const std::string& defaultValue) {
    std::string text;
    return ReadStringValue(registry, root, subKey, valueName, text) ? text : defaultValue;
}

}  // namespace qlr::remover::RegistryModule
