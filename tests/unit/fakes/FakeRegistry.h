#pragma once
// An in-memory registry with real value types and data sizes and the semantics of the Windows API:
// key and value names match whatever their letter case; a buffer too small fails with 234, a
// missing key or value with 2, an index past the end with 259; a size-only query reports type and
// size; subkeys are enumerated in name order, values in the order they were first set; a key with
// subkeys cannot be deleted (5); the 32-bit view of HKEY_LOCAL_MACHINE\Software is its
// Wow6432Node subkey.
#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"

namespace qlr::test {

class FakeRegistry : public Registry {
public:
    struct Value {
        std::string name;
        std::uint32_t type = 0;
        std::string data;
    };

    // Sets a value, creating its key and every missing key on the path.
    void Set(std::uint32_t root, const std::string& key, const std::string& name,
             std::uint32_t type, const std::string& data) {
        Key& k = MakeKey(root, key);
        if (Value* value = Find(k, name)) *value = {value->name, type, data};
        else k.values.push_back({name, type, data});
    }
    // A string value as the registry stores it: the text and its terminating zero.
    void SetString(const std::string& key, const std::string& text, std::uint32_t type = kRegSz) {
        Set(kHkeyClassesRoot, key, "", type, text + std::string(1, '\0'));
    }
    void AddKey(std::uint32_t root, const std::string& key) { MakeKey(root, key); }

    bool HasKey(std::uint32_t root, const std::string& key) const { return FindKey(root, key); }
    std::optional<Value> Get(std::uint32_t root, const std::string& key, const std::string& name) const {
        const Key* k = FindKey(root, key);
        const Value* value = k ? Find(*k, name) : nullptr;
        if (!value) return std::nullopt;
        return *value;
    }

    RegistryValue Query(std::uint32_t root, const std::string& key, const std::string& name,
                        std::uint32_t capacity,
                        RegistryView view = RegistryView::Native) const override {
        ++queries;
        RegistryValue result;
        const Key* k = FindKey(root, InView(root, key, view));
        const Value* value = k ? Find(*k, name) : nullptr;
        if (!value) return Failed(kErrorFileNotFound);
        result.type = value->type;
        result.size = static_cast<std::uint32_t>(value->data.size());
        if (capacity != 0 && value->data.size() > capacity) {
            result.status = Status::Fail(kErrorMoreData);
            return result;
        }
        if (capacity != 0) result.data = value->data;
        return result;
    }

    Status SetValue(std::uint32_t root, const std::string& key, const std::string& name,
                    std::uint32_t type, const std::string& data) override {
        log.push_back("set " + key + "|" + name);
        Set(root, key, name, type, data);
        return Status::Ok();
    }

    Status EnumerateSubkey(std::uint32_t root, const std::string& key, std::uint32_t index,
                           std::uint32_t capacity, std::string& name) const override {
        if (!FindKey(root, key)) return Status::Fail(kErrorFileNotFound);
        const std::vector<std::string> children = Children(root, key);
        if (index >= children.size()) return Status::Fail(kErrorNoMoreItems);
        if (children[index].size() >= capacity) return Status::Fail(kErrorMoreData);
        name = children[index];
        return Status::Ok();
    }

    RegistryValue EnumerateValue(std::uint32_t root, const std::string& key, std::uint32_t index,
                                 std::uint32_t nameCapacity,
                                 std::uint32_t dataCapacity) const override {
        const Key* k = FindKey(root, key);
        if (!k) return Failed(kErrorFileNotFound);
        if (index >= k->values.size()) return Failed(kErrorNoMoreItems);
        const Value& value = k->values[index];
        if (value.name.size() >= nameCapacity || value.data.size() > dataCapacity)
            return Failed(kErrorMoreData);
        RegistryValue result;
        result.name = value.name;
        result.type = value.type;
        result.size = static_cast<std::uint32_t>(value.data.size());
        result.data = value.data;
        return result;
    }

    Status DeleteKey(std::uint32_t root, const std::string& key) override {
        log.push_back("delete key " + key);
        auto it = keys_.find({root, Fold(key)});
        if (key.empty() || it == keys_.end()) return Status::Fail(kErrorFileNotFound);
        if (!Children(root, key).empty()) return Status::Fail(kErrorAccessDenied);
        keys_.erase(it);
        return Status::Ok();
    }

    Status DeleteValue(std::uint32_t root, const std::string& key, const std::string& name) override {
        log.push_back("delete value " + key + "|" + name);
        Key* k = KeyAt(root, key);
        if (!k) return Status::Fail(kErrorFileNotFound);
        std::vector<Value>& values = k->values;
        auto value = std::find_if(values.begin(), values.end(),
                                  [&](const Value& v) { return Fold(v.name) == Fold(name); });
        if (value == values.end()) return Status::Fail(kErrorFileNotFound);
        values.erase(value);
        return Status::Ok();
    }

    mutable int queries = 0;
    std::vector<std::string> log;  // the changing calls, in order

private:
    struct Key {
        std::string path;  // as first created, letter case kept
        std::vector<Value> values;
    };

    static std::string Fold(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    // As on 64-bit Windows: the 32-bit view of HKEY_LOCAL_MACHINE\Software\<key> is kept in
    // Software\Wow6432Node\<key>; every other key is the same in both views.
    static std::string InView(std::uint32_t root, const std::string& key, RegistryView view) {
        const std::string software = "software\\";
        if (view != RegistryView::Bits32 || root != kHkeyLocalMachine ||
            Fold(key.substr(0, software.size())) != software)
            return key;
        return key.substr(0, software.size()) + "Wow6432Node\\" + key.substr(software.size());
    }
    static RegistryValue Failed(std::uint32_t code) {
        RegistryValue result;
        result.status = Status::Fail(code);
        return result;
    }
    static Value* Find(Key& key, const std::string& name) {
        for (Value& value : key.values)
            if (Fold(value.name) == Fold(name)) return &value;
        return nullptr;
    }
    static const Value* Find(const Key& key, const std::string& name) {
        return Find(const_cast<Key&>(key), name);
    }
    Key* KeyAt(std::uint32_t root, const std::string& key) {
        if (key.empty()) return &roots_[root];  // every root key exists
        auto it = keys_.find({root, Fold(key)});
        return it == keys_.end() ? nullptr : &it->second;
    }
    const Key* FindKey(std::uint32_t root, const std::string& key) const {
        static const Key kNoValues;
        if (key.empty()) {
            auto it = roots_.find(root);
            return it == roots_.end() ? &kNoValues : &it->second;
        }
        auto it = keys_.find({root, Fold(key)});
        return it == keys_.end() ? nullptr : &it->second;
    }
    Key& MakeKey(std::uint32_t root, const std::string& key) {
        if (key.empty()) return roots_[root];
        for (std::size_t slash = key.find('\\'); slash != std::string::npos;
             slash = key.find('\\', slash + 1))
            keys_.insert({{root, Fold(key.substr(0, slash))}, Key{key.substr(0, slash), {}}});
        return keys_.insert({{root, Fold(key)}, Key{key, {}}}).first->second;
    }
    // The names of the direct subkeys, in the order of their folded names.
    std::vector<std::string> Children(std::uint32_t root, const std::string& key) const {
        const std::string prefix = key.empty() ? "" : Fold(key) + '\\';
        std::vector<std::string> names;
        for (const auto& [id, child] : keys_) {
            const std::string& folded = id.second;
            if (id.first != root || folded.compare(0, prefix.size(), prefix) != 0) continue;
            if (folded.find('\\', prefix.size()) != std::string::npos) continue;
            names.push_back(child.path.substr(prefix.size()));
        }
        return names;
    }

    std::map<std::pair<std::uint32_t, std::string>, Key> keys_;
    std::map<std::uint32_t, Key> roots_;  // the values set on a root key itself
};

}  // namespace qlr::test
