#include "installer/registry/RegistryMethods.h"

namespace qlr {

std::string NumberText(std::uint32_t number) {
    std::string text = std::to_string(number);
    if (text.size() < 3) text.insert(0, 3 - text.size(), '0');
    return text;
}

std::string RegistryText(std::uint32_t type, const std::string& data) {
    if (type == kRegDword) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < 4 && i < data.size(); ++i)
            number |= std::uint32_t(static_cast<unsigned char>(data[i])) << (8 * i);
        return NumberText(number);
    }
    if (type == kRegBinary) {
        static const char kHex[] = "0123456789ABCDEF";
        std::string text;
        for (unsigned char byte : data) {
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        }
        return text;
    }
    // A string without its terminating zero; data of size 0 is the empty text.
    return data.empty() ? std::string() : data.substr(0, data.size() - 1);
}

std::string ReadRegistry(const Registry& registry, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName) {
    RegistryValue value = registry.Query(root, keyPath, valueName, kRegistryBufferSize);
    if (!value.ok) return kNotFound;
    return RegistryText(value.type, value.data);
}

}  // namespace qlr
