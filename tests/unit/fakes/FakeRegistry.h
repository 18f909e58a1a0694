#pragma once
// An in-memory registry with real value types and data sizes, and the query semantics of the
// Windows API: a buffer too small makes the query fail, a size-only query reports type and size.
#include <map>
#include <string>
#include <tuple>

#include "platform/Registry.h"

namespace qlr::test {

class FakeRegistry : public Registry {
public:
    void Set(std::uint32_t root, const std::string& key, const std::string& name,
             std::uint32_t type, const std::string& data) {
        values_[{root, key, name}] = {type, data};
    }
    // A string value as the registry stores it: the text and its terminating zero.
    void SetString(const std::string& key, const std::string& text, std::uint32_t type = kRegSz) {
        Set(kHkeyClassesRoot, key, "", type, text + std::string(1, '\0'));
    }

    RegistryValue Query(std::uint32_t root, const std::string& key, const std::string& name,
                        std::uint32_t capacity) const override {
        ++queries;
        RegistryValue result;
        auto it = values_.find({root, key, name});
        if (it == values_.end()) return result;
        const auto& [type, data] = it->second;
        result.type = type;
        result.size = static_cast<std::uint32_t>(data.size());
        if (capacity != 0 && data.size() > capacity) return result;
        result.ok = true;
        if (capacity != 0) result.data = data;
        return result;
    }

    mutable int queries = 0;

private:
    std::map<std::tuple<std::uint32_t, std::string, std::string>,
             std::pair<std::uint32_t, std::string>> values_;
};

}  // namespace qlr::test
