#pragma once
// The file operations the kit performs. Paths are ANSI text with '\' as separator on Windows.
// Every operation reports failure through its Status and never throws.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Status.h"
#include "platform/WindowsValues.h"

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

enum class DriveType { Unknown, Removable, Fixed, Remote, CdRom, RamDisk };

// One drive of the machine, as the drive chooser lists it.
struct DriveInfo {
    char letter = 'C';       // upper case
    DriveType type = DriveType::Unknown;
    std::string label;       // the volume label; empty when it has none or cannot be read
    bool readable = false;   // a medium is present and its root can be listed
};

struct DirectoryEntry {
    std::string name;  // the bare name, in the case the file system keeps it
    std::uint32_t attributes = 0;  // kFileAttribute... bits
    // Whether the system's ANSI code page can write the name. Where it cannot, `name` has '?' for
    // the characters it lacks and opens nothing, and `shortName` is the entry's short (8.3) name,
    // through which it opens: "" when the file system gives it none.
    bool nameFits = true;
    std::string shortName = {};

    // The name a program of the ANSI code page shows and opens the entry by: its own name where
    // the code page can write it, otherwise its short name; null when it has neither.
    std::string* OpenableName() {
        if (nameFits) return &name;
        return shortName.empty() ? nullptr : &shortName;
    }
};

// The operations a removal needs: a program that only deletes files works with these alone, and
// carries the code of no other.
class FileRemoval {
public:
    // The process's current directory, as the platform reports it.
    virtual std::string CurrentDirectory() const = 0;
    virtual bool IsFile(const std::string& path) const = 0;
    // Deletes one file.
    virtual Status RemoveFile(const std::string& path) = 0;

protected:
    ~FileRemoval() = default;  // never deleted through this interface
};

class FileSystem : public FileRemoval {
public:
    // Makes one directory level; fails when it exists already or its parent is missing.
    virtual Status MakeDirectory(const std::string& path) = 0;
    virtual bool IsDirectory(const std::string& path) const = 0;
    // Copies byte for byte, replacing an existing target.
    virtual Status CopyReplacing(const std::string& from, const std::string& to) = 0;
    // The file's bytes, whole.
    virtual Result<std::string> ReadBytes(const std::string& path) const = 0;
    // Creates (or truncates) a text file for writing. On failure returns null and sets status.
    virtual std::unique_ptr<TextFileWriter> CreateTextFile(const std::string& path, Status& status) = 0;
    // The file's version resource, when it has one.
    virtual std::optional<FileVersion> VersionOf(const std::string& path) const = 0;

    // The machine's drives, in letter order.
    virtual std::vector<DriveInfo> Drives() const = 0;
    // The directory the process keeps as current on the drive ("C:\KIT" for 'C'; the root when
    // it has none of its own): a full path, ending in '\' only at the root. Fails when the drive
    // cannot be read.
    virtual Result<std::string> DriveCurrentDirectory(char letter) const = 0;
    // Every entry of the directory but "." and "..", in no particular order. Fails when the
    // directory cannot be read (missing, access denied, no medium).
    virtual Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& directory) const = 0;
};

}  // namespace qlr
