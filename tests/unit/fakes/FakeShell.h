#pragma once
// A shell whose special folders are directories of a FakeFileSystem; a saved shortcut is kept
// here and appears there as a file. Folders by CSIDL number and environment variables are what a
// test sets.
#include <map>
#include <string>

#include "fakes/FakeFileSystem.h"
#include "platform/Shell.h"

namespace qlr::test {

class FakeShell : public Shell {
public:
    explicit FakeShell(FakeFileSystem& files) : files_(files) {
        folders[SpecialFolder::Desktop] = "C:\\Users\\dj\\Desktop";
        files_.AddDirectory("C:\\Users");
        files_.AddDirectory("C:\\Users\\dj");
        files_.AddDirectory("C:\\Users\\dj\\Desktop");
    }

    Status SpecialFolderPath(SpecialFolder folder, std::string& path) override {
        auto it = folders.find(folder);
        if (it == folders.end()) return Status::Fail(kErrorFileNotFound);
        path = it->second;
        return Status::Ok();
    }
    Status CsidlFolderPath(int csidl, std::string& path) override {
        auto it = csidlFolders.find(csidl);
        if (it == csidlFolders.end()) return Status::Fail(kErrorFileNotFound);
        path = it->second;
        return Status::Ok();
    }
    Status EnvironmentVariable(const std::string& name, std::string& value) override {
        auto it = environment.find(name);
        if (it == environment.end()) return Status::Fail(kErrorEnvvarNotFound);
        value = it->second;
        return Status::Ok();
    }
    Status SaveShortcut(const std::string& linkPath, const Shortcut& shortcut) override {
        ++saves;
        std::string folder = linkPath.substr(0, linkPath.find_last_of('\\'));
        if (!files_.IsDirectory(folder)) return Status::Fail(kErrorPathNotFound);
        links[linkPath] = shortcut;
        files_.AddFile(linkPath, "shortcut");
        return Status::Ok();
    }

    std::map<SpecialFolder, std::string> folders;
    std::map<int, std::string> csidlFolders;          // by CSIDL number
    std::map<std::string, std::string> environment;
    std::map<std::string, Shortcut> links;  // by the path they were saved at
    int saves = 0;

private:
    FakeFileSystem& files_;
};

}  // namespace qlr::test
