#pragma once
// An in-memory file system with Windows path rules ('\' separators, names compared without
// regard to case), read-only files, version resources and error codes of the Windows API.
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qlr::test {

enum : std::uint32_t {
    kErrFileNotFound = 2,
    kErrPathNotFound = 3,
    kErrAccessDenied = 5,
    kErrInvalidName = 123,
    kErrAlreadyExists = 183,
};

class FakeFileSystem : public FileSystem {
public:
    struct File {
        std::string bytes;
        bool readOnly = false;
        std::optional<FileVersion> version;
    };

    FakeFileSystem() { AddDirectory("C:\\"); }

    void AddDirectory(const std::string& path) { dirs_.insert(Key(path)); }
    void AddFile(const std::string& path, const std::string& bytes, bool readOnly = false) {
        files_[Key(path)] = {bytes, readOnly, std::nullopt};
    }
    File* Find(const std::string& path) {
        auto it = files_.find(Key(path));
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
        if (dirs_.count(key) || files_.count(key)) return Status::Fail(kErrAlreadyExists);
        if (!dirs_.count(Parent(key))) return Status::Fail(kErrPathNotFound);
        dirs_.insert(key);
        return Status::Ok();
    }
    bool IsDirectory(const std::string& path) const override { return dirs_.count(Key(path)) > 0; }
    bool IsFile(const std::string& path) const override { return files_.count(Key(path)) > 0; }

    Status CopyReplacing(const std::string& from, const std::string& to) override {
        log.push_back("copy " + from + " -> " + to);
        auto source = files_.find(Key(from));
        if (source == files_.end()) return Status::Fail(kErrFileNotFound);
        Status status = Writable(to);
        if (!status.ok()) return status;
        files_[Key(to)] = {source->second.bytes, false, source->second.version};
        return Status::Ok();
    }

    Status RemoveFile(const std::string& path) override {
        log.push_back("delete " + path);
        if (path.find('"') != std::string::npos) return Status::Fail(kErrInvalidName);
        auto it = files_.find(Key(path));
        if (it == files_.end())
            return Status::Fail(dirs_.count(Parent(Key(path))) ? kErrFileNotFound : kErrPathNotFound);
        if (it->second.readOnly) return Status::Fail(kErrAccessDenied);
        files_.erase(it);
        return Status::Ok();
    }

    std::unique_ptr<TextFileWriter> CreateTextFile(const std::string& path, Status& status) override {
        log.push_back("create " + path);
        status = Writable(path);
        if (!status.ok()) return nullptr;
        files_[Key(path)] = {};
        return std::make_unique<Writer>(*this, Key(path));
    }

    std::optional<FileVersion> VersionOf(const std::string& path) const override {
        auto it = files_.find(Key(path));
        return it == files_.end() ? std::nullopt : it->second.version;
    }

    std::string currentDirectory = "C:\\";
    std::vector<std::string> log;
    // Lines whose writing fails, by their text; a way to simulate a full disk.
    std::set<std::string> failingLines;

private:
    class Writer : public TextFileWriter {
    public:
        Writer(FakeFileSystem& fs, std::string key) : fs_(fs), key_(std::move(key)) {}
        Status WriteLine(const std::string& line) override {
            if (closed_) return Status::Fail(6);
            if (fs_.failingLines.count(line)) return Status::Fail(112);
            fs_.files_[key_].bytes += line + "\r\n";
            return Status::Ok();
        }
        Status Close() override {
            if (closed_) return Status::Fail(6);
            closed_ = true;
            return Status::Ok();
        }

    private:
        FakeFileSystem& fs_;
        std::string key_;
        bool closed_ = false;
    };

    static std::string Key(std::string path) {
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (path.size() > 3 && path.back() == '\\') path.pop_back();
        return path;
    }
    static std::string Parent(const std::string& key) {
        auto slash = key.find_last_of('\\');
        if (slash == std::string::npos) return {};
        return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
    }
    Status Writable(const std::string& path) const {
        std::string key = Key(path);
        if (!dirs_.count(Parent(key))) return Status::Fail(kErrPathNotFound);
        if (dirs_.count(key)) return Status::Fail(kErrAccessDenied);
        auto it = files_.find(key);
        if (it != files_.end() && it->second.readOnly) return Status::Fail(kErrAccessDenied);
        return Status::Ok();
    }

    std::set<std::string> dirs_;
    std::map<std::string, File> files_;
};

}  // namespace qlr::test
