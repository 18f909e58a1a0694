#pragma once
// Profile files kept in memory as sections of key=value pairs (names compared without regard to
// case, as the system's profile functions do), and System and Windows directories that a test
// sets, or leaves unset to make the call fail.
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/IniFilez.h"
#include "platform/WindowsValues.h"

namespace qlr::test {

class FakeIniFilez : public IniFilez {
public:
    using Section = std::vector<std::pair<std::string, std::string>>;
    using Profile = std::vector<std::pair<std::string, Section>>;

    Status WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& file) override {
        writes.push_back(section + "|" + key + "|" + value + "|" + file);
        if (failingFiles.count(Lower(file))) return Status::Fail(kErrorPathNotFound);
        Section& entries = SectionOf(profiles[Lower(file)], section);
        for (auto& entry : entries)
            if (Lower(entry.first) == Lower(key)) {
                entry.second = value;
                return Status::Ok();
            }
        entries.emplace_back(key, value);
        return Status::Ok();
    }
    std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                         const std::string& defaultValue,
                                         const std::string& file) override {
        return profiles.count(Lower(file)) ? Value(file, section, key).value_or(defaultValue) : defaultValue;
    }
    void GetSystemDirectoryA(std::string& buffer) override { Fill(systemDirectory, buffer); }
    void GetWindowsDirectoryA(std::string& buffer) override { Fill(windowsDirectory, buffer); }

    std::optional<std::string> Value(const std::string& file, const std::string& section,
                                     const std::string& key) {
        for (auto& entry : SectionOf(profiles[Lower(file)], section))
            if (Lower(entry.first) == Lower(key)) return entry.second;
        return std::nullopt;
    }

    std::map<std::string, Profile> profiles;  // by lower-case file path
    std::set<std::string> failingFiles;       // lower-case paths whose writes fail
    std::vector<std::string> writes;          // section|key|value|file of every call
    std::optional<std::string> systemDirectory = std::string("C:\\WINDOWS\\SYSTEM");
    std::optional<std::string> windowsDirectory = std::string("C:\\WINDOWS");

private:
    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    static Section& SectionOf(Profile& profile, const std::string& name) {
        for (auto& section : profile)
            if (Lower(section.first) == Lower(name)) return section.second;
        profile.emplace_back(name, Section{});
        return profile.back().second;
    }
    // As the system call: the text and a NUL when they fit, otherwise the buffer stays as it is.
    static void Fill(const std::optional<std::string>& directory, std::string& buffer) {
        if (!directory || directory->size() + 1 > buffer.size()) return;
        buffer.replace(0, directory->size() + 1, *directory + '\0');
    }
};

}  // namespace qlr::test
