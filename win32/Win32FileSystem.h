#pragma once
// The file system over the Win32 API.
#include <windows.h>

#include "platform/FileSystem.h"
#include "win32/ListingCache.h"

namespace qlr::win32 {

// The removal's operations alone, for the remover.
class Win32FileRemoval : public FileRemoval {
public:
    std::string CurrentDirectory() const override;
    bool IsFile(const std::string& path) const override;
    Status RemoveFile(const std::string& path) override;
};

class Win32FileSystem : public FileSystem {
public:
    std::string CurrentDirectory() const override;
    Status MakeDirectory(const std::string& path) override;
    bool IsDirectory(const std::string& path) const override;
    bool IsFile(const std::string& path) const override;
    Status CopyReplacing(const std::string& from, const std::string& to) override;
    Result<std::string> ReadBytes(const std::string& path) const override;
    Status RemoveFile(const std::string& path) override;
    std::unique_ptr<TextFileWriter> CreateTextFile(const std::string& path, Status& status) override;
    std::optional<FileVersion> VersionOf(const std::string& path) const override;
    std::vector<DriveInfo> Drives() const override;
    Result<std::string> DriveCurrentDirectory(char letter) const override;
    Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& directory) const override;

private:
    mutable ListingCache listings_;
};

}  // namespace qlr::win32
