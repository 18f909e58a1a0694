#include "installer/registry/RegistryMethods.h"

#include "common/Numbers.h"

namespace qlr {

namespace {

bool IsStringType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

}  // namespace

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
    if (IsStringType(type)) {
        // A string stored without its terminating zero keeps every character.
        if (!data.empty() && data.back() == '\0') return data.substr(0, data.size() - 1);
        return data;
    }
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : data) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
    }
    return text;
}

std::string ReadRegistry(const RegistryReader& registry, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName) {
    RegistryValue value = registry.Query(root, keyPath, valueName, kRegistryBufferSize);
    if (!value.ok()) return kNotFound;
    return RegistryText(value.type, value.data);
}

std::int32_t DwordOfText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    std::string_view number = std::string_view(text).substr(first, text.find_last_not_of(' ') + 1 - first);
    // A '+' may stand where a '-' may, before the digits.
    if (number.size() > 1 && number[0] == '+' && number[1] != '-') number.remove_prefix(1);
    return DecimalNumber<std::int32_t>(number).value_or(0);
}

void WriteRegistry(Registry& registry, std::uint32_t root, const std::string& keyPath,
                   const std::string& valueName, std::uint32_t type, const std::string& value) {
    if (type == kRegDword)
        registry.SetNumberValue(root, keyPath, valueName, static_cast<std::uint32_t>(DwordOfText(value)));
    else if (type == kRegSz)
        registry.SetStringValue(root, keyPath, valueName, value);
    else  // any other type is stored as a string, without the terminating zero
        registry.SetValue(root, keyPath, valueName, kRegSz, value);
}

void WriteRegistry(Registry& registry, std::uint32_t root, const std::string& keyPath,
                   const std::string& valueName, std::uint32_t type, std::int32_t value) {
    WriteRegistry(registry, root, keyPath, valueName, type, std::to_string(value));
}

std::string ReadRegistryGetSubkey(const Registry& registry, std::uint32_t root,
                                  const std::string& keyPath, std::uint32_t index) {
    std::string name;
    if (!registry.EnumerateSubkey(root, keyPath, index, kRegistryBufferSize, name).ok())
        return kNotFound;
    return name;
}

RegistryItem ReadRegistryGetAll(const Registry& registry, std::uint32_t root,
                                const std::string& keyPath, std::uint32_t index) {
    const RegistryValue value =
        registry.EnumerateValue(root, keyPath, index, kRegistryBufferSize, kRegistryBufferSize);
    if (!value.ok()) return {};
    return {value.type, value.name, RegistryText(value.type, value.data)};
}

void DeleteSubkey(Registry& registry, std::uint32_t root, const std::string& keyPath) {
    if (keyPath.empty()) return;
    registry.DeleteKey(root, keyPath);
}

void DeleteValue(Registry& registry, std::uint32_t root, const std::string& keyPath,
                 const std::string& valueName) {
    registry.DeleteValue(root, keyPath, valueName);
}

}  // namespace qlr
