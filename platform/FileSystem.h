#pragma once
// The file operations the kit performs. Paths are ANSI text with '\' as separator on Windows.
// Every operation reports failure through its Status and never throws.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/Status.h"

namespace qlr {

// A text file open for writing; lines end in CR LF. Closed by Close() or by its destructor.
class TextFileWriter {
public:
    virtual ~TextFileWriter() = default;
    virtual Status WriteLine(const std::string& line) = 0;
    virtual Status Close() = 0;
};

// The four numbers of a version resource's fixed file version, most significant first.
struct FileVersion {
    std::uint16_t part[4] = {0, 0, 0, 0};

    friend bool operator<(const FileVersion& a, const FileVersion& b) {
        for (int i = 0; i < 4; ++i)
            if (a.part[i] != b.part[i]) return a.part[i] < b.part[i];
        return false;
    }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The process's current directory, as the platform reports it.
    virtual std::string CurrentDirectory() const = 0;
    // Makes one directory level; fails when it exists already or its parent is missing.
    virtual Status MakeDirectory(const std::string& path) = 0;
    virtual bool IsDirectory(const std::string& path) const = 0;
    virtual bool IsFile(const std::string& path) const = 0;
    // Copies byte for byte, replacing an existing target.
    virtual Status CopyReplacing(const std::string& from, const std::string& to) = 0;
    // Deletes one file.
    virtual Status RemoveFile(const std::string& path) = 0;
    // Creates (or truncates) a text file for writing. On failure returns null and sets status.
    virtual std::unique_ptr<TextFileWriter> CreateTextFile(const std::string& path, Status& status) = 0;
    // The file's version resource, when it has one.
    virtual std::optional<FileVersion> VersionOf(const std::string& path) const = 0;
};

}  // namespace qlr
