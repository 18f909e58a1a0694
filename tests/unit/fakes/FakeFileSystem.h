#pragma once
// An in-memory file system with Windows path rules ('\' separators, names compared without
// regard to case but kept in the case they were added), read-only, hidden and system entries,
// version resources, drives (with type, label, and whether a medium is in), a current directory
// per drive, directories that bar listing, names the ANSI code page cannot write and short names,
// and the error codes of the Windows API. A listing comes in reverse name order, so a list that
// shows names sorted must sort them itself.
#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/WindowsValues.h"

namespace qlr::test {

class FakeFileSystem : public FileSystem {
public:
    struct File {
        std::string bytes;
        bool readOnly = false;
        std::optional<FileVersion> version;
    };

    FakeFileSystem() { AddDirectory("C:\\"); }

    // attributes: kFileAttributeHidden, kFileAttributeSystem (the directory attribute is implied).
    void AddDirectory(const std::string& path, std::uint32_t attributes = 0) {
        dirs_.insert(Key(path));
        Remember(path, attributes);
    }
    void AddFile(const std::string& path, const std::string& bytes, bool readOnly = false,
                 std::uint32_t attributes = 0) {
        files_[Key(path)] = {bytes, readOnly, std::nullopt};
        Remember(path, attributes);
    }
    // A name with '?' is one the ANSI code page cannot write, as the system's ANSI listing shows
    // it: it opens nothing. This gives the entry at such a path (added before) the short name the
    // file system keeps for it, through which it opens; the listing reports both.
    void GiveShortName(const std::string& path, const std::string& shortName) {
        const std::string key = Key(path);
        shortNames_[key] = shortName;
        aliases_[Key(Parent(key) + '\\' + shortName)] = key;
    }
    // Listing the directory fails with "access denied" from now on; entering it is listing it.
    void DenyListing(const std::string& path) { denied_.insert(Key(path)); }
    // Removes a directory and everything below it, as another program might meanwhile.
    void RemoveTree(const std::string& path) {
        const std::string key = Key(path), below = key + "\\";
        auto inTree = [&](const std::string& k) { return k == key || k.rfind(below, 0) == 0; };
        for (auto it = dirs_.begin(); it != dirs_.end();) it = inTree(*it) ? dirs_.erase(it) : std::next(it);
        for (auto it = files_.begin(); it != files_.end();) it = inTree(it->first) ? files_.erase(it) : std::next(it);
    }
    DriveInfo* FindDrive(char letter) {
        for (DriveInfo& drive : drives)
            if (drive.letter == Upper(letter)) return &drive;
        return nullptr;
    }
    // A drive with its root directory; unreadable drives (no medium) fail every listing.
    void AddDrive(char letter, DriveType type, const std::string& label, bool readable) {
        drives.push_back({Upper(letter), type, label, readable});
        AddDirectory(std::string{Upper(letter), ':', '\\'});
    }
    File* Find(const std::string& path) {
        auto it = files_.find(Opened(path));
        return it == files_.end() ? nullptr : &it->second;
    }
    std::optional<std::string> Read(const std::string& path) {
        File* file = Find(path);
        return file ? std::optional<std::string>(file->bytes) : std::nullopt;
    }

    std::string CurrentDirectory() const override { return currentDirectory; }

    Status MakeDirectory(const std::string& path) override {
        log.push_back("mkdir " + path);
        std::string key = Key(path);
        if (dirs_.count(key) || files_.count(key)) return Status::Fail(kErrorAlreadyExists);
        if (!dirs_.count(Parent(key))) return Status::Fail(kErrorPathNotFound);
        dirs_.insert(key);
        Remember(path, 0);
        return Status::Ok();
    }
    bool IsDirectory(const std::string& path) const override { return dirs_.count(Opened(path)) > 0; }
    bool IsFile(const std::string& path) const override { return files_.count(Opened(path)) > 0; }

    Status CopyReplacing(const std::string& from, const std::string& to) override {
        log.push_back("copy " + from + " -> " + to);
        auto source = files_.find(Key(from));
        if (source == files_.end()) return Status::Fail(kErrorFileNotFound);
        if (locked.count(Key(from))) return Status::Fail(kErrorSharingViolation);
        Status status = Writable(to);
        if (!status.ok()) return status;
        files_[Key(to)] = {source->second.bytes, false, source->second.version};
        Remember(to, 0);
        return Status::Ok();
    }

    Result<std::string> ReadBytes(const std::string& path) const override {
        auto it = files_.find(Opened(path));
        if (it == files_.end()) return {Status::Fail(kErrorFileNotFound), {}};
        if (locked.count(Key(path))) return {Status::Fail(kErrorSharingViolation), {}};
        return {Status::Ok(), it->second.bytes};
    }

    Status RemoveFile(const std::string& path) override {
        log.push_back("delete " + path);
        if (path.find('"') != std::string::npos) return Status::Fail(kErrorInvalidName);
        auto it = files_.find(Key(path));
        if (it == files_.end())
            return Status::Fail(dirs_.count(Parent(Key(path))) ? kErrorFileNotFound : kErrorPathNotFound);
        if (it->second.readOnly) return Status::Fail(kErrorAccessDenied);
        files_.erase(it);
        return Status::Ok();
    }

    std::unique_ptr<TextFileWriter> CreateTextFile(const std::string& path, Status& status) override {
        log.push_back("create " + path);
        status = Writable(path);
        if (!status.ok()) return nullptr;
        files_[Key(path)] = {};
        Remember(path, 0);
        return std::make_unique<Writer>(*this, Key(path));
    }

    std::optional<FileVersion> VersionOf(const std::string& path) const override {
        auto it = files_.find(Key(path));
        return it == files_.end() ? std::nullopt : it->second.version;
    }

    std::vector<DriveInfo> Drives() const override {
        ++driveQueries;
        return drives;
    }

    Result<std::string> DriveCurrentDirectory(char letter) const override {
        const DriveInfo* drive = FindDrive(letter);
        if (!drive) return {Status::Fail(kErrorInvalidDrive)};
        if (!drive->readable) return {Status::Fail(kErrorNotReady)};
        if (Upper(currentDirectory.empty() ? ' ' : currentDirectory[0]) == drive->letter)
            return {Status::Ok(), currentDirectory};
        auto it = driveDirectories.find(drive->letter);
        return {Status::Ok(), it != driveDirectories.end() ? it->second : std::string{drive->letter, ':', '\\'}};
    }

    Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& directory) const override {
        ++listings;
        const std::string key = Opened(directory);
        const DriveInfo* drive = key.empty() ? nullptr : FindDrive(key[0]);
        if (drive && !drive->readable) return {Status::Fail(kErrorNotReady)};
        if (!dirs_.count(key)) return {Status::Fail(kErrorPathNotFound)};
        if (denied_.count(key)) return {Status::Fail(kErrorAccessDenied)};
        Result<std::vector<DirectoryEntry>> result;
        auto add = [&](const std::string& child, std::uint32_t implied) {
            if (child == key || Parent(child) != key) return;
            auto known = names_.find(child);
            const std::string& path = known != names_.end() ? known->second.first : child;
            const std::uint32_t attributes = known != names_.end() ? known->second.second : 0;
            DirectoryEntry entry{path.substr(path.find_last_of('\\') + 1), attributes | implied};
            entry.nameFits = entry.name.find('?') == std::string::npos;
            if (auto shortName = shortNames_.find(child); !entry.nameFits && shortName != shortNames_.end())
                entry.shortName = shortName->second;
            result.value.push_back(std::move(entry));
        };
        for (auto it = dirs_.rbegin(); it != dirs_.rend(); ++it) add(*it, kFileAttributeDirectory);
        for (auto it = files_.rbegin(); it != files_.rend(); ++it)
            add(it->first, it->second.readOnly ? std::uint32_t(kFileAttributeReadOnly) : 0u);
        // Directories and files interleaved, in reverse name order.
        std::stable_sort(result.value.begin(), result.value.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
            return Key(a.name) > Key(b.name);
        });
        return result;
    }

    std::string currentDirectory = "C:\\";
    std::vector<DriveInfo> drives{{'C', DriveType::Fixed, "", true}};
    std::map<char, std::string> driveDirectories;  // by upper-case letter; default: the root
    mutable int listings = 0;                      // calls of ListDirectory
    mutable int driveQueries = 0;                  // calls of Drives
    std::vector<std::string> log;
    // Lower-case paths of files another program holds open: reading and copying them fails.
    std::set<std::string> locked;
    // Lines whose writing fails, by their text; a way to simulate a full disk.
    std::set<std::string> failingLines;

private:
    class Writer : public TextFileWriter {
    public:
        Writer(FakeFileSystem& fs, std::string key) : fs_(fs), key_(std::move(key)) {}
        Status WriteLine(const std::string& line) override {
            if (closed_) return Status::Fail(kErrorInvalidHandle);
            if (fs_.failingLines.count(line)) return Status::Fail(kErrorDiskFull);
            fs_.files_[key_].bytes += line + "\r\n";
            return Status::Ok();
        }
        Status Close() override {
            if (closed_) return Status::Fail(kErrorInvalidHandle);
            closed_ = true;
            return Status::Ok();
        }

    private:
        FakeFileSystem& fs_;
        std::string key_;
        bool closed_ = false;
    };

    static char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
    const DriveInfo* FindDrive(char letter) const { return const_cast<FakeFileSystem*>(this)->FindDrive(letter); }
    void Remember(std::string path, std::uint32_t attributes) {
        if (path.size() > 3 && path.back() == '\\') path.pop_back();
        names_[Key(path)] = {path, attributes};
    }

    static std::string Key(std::string path) {
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (path.size() > 3 && path.back() == '\\') path.pop_back();
        return path;
    }
    // The key of the entry a path opens: short names stand for the entries they belong to; a
    // name with '?' opens nothing ("").
    std::string Opened(const std::string& path) const {
        std::string key = Key(path);
        if (key.find('?') != std::string::npos) return {};
        for (const auto& [alias, target] : aliases_)  // (not a short name below another)
            if (key.compare(0, alias.size(), alias) == 0 && (key.size() == alias.size() || key[alias.size()] == '\\'))
                return target + key.substr(alias.size());
        return key;
    }
    static std::string Parent(const std::string& key) {
        auto slash = key.find_last_of('\\');
        if (slash == std::string::npos) return {};
        return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
    }
    Status Writable(const std::string& path) const {
        std::string key = Key(path);
        if (!dirs_.count(Parent(key))) return Status::Fail(kErrorPathNotFound);
        if (dirs_.count(key)) return Status::Fail(kErrorAccessDenied);
        auto it = files_.find(key);
        if (it != files_.end() && it->second.readOnly) return Status::Fail(kErrorAccessDenied);
        return Status::Ok();
    }

    std::set<std::string> dirs_;
    std::map<std::string, File> files_;
    std::set<std::string> denied_;
    std::map<std::string, std::string> shortNames_;  // by the entry's key
    std::map<std::string, std::string> aliases_;     // an entry's key by the key of its short name
    // Every path added, by key: in the case it was added, with its attributes.
    std::map<std::string, std::pair<std::string, std::uint32_t>> names_;
};

}  // namespace qlr::test
