#pragma once
// The last directory listing, kept for a moment. The pickers read one directory several times in
// a row (the directory list and then the file list on a change of directory, the file list again
// at every keystroke in the pattern box), and reading a directory of 12,000 entries takes about
// 100 ms under Wine. A kept listing is handed out again only while the directory's last-write
// time is unchanged (creating, deleting or renaming an entry changes it) and for at most a
// second, so that a change no write time shows (a file made hidden) is seen within that time.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qlr::win32 {

class ListingCache {
public:
    using Listing = std::vector<DirectoryEntry>;

    // When the directory was last written; nothing when that cannot be told.
    static std::optional<FILETIME> WrittenAt(const std::string& directory);

    // The kept listing, when it is of this directory as last written then, and fresh.
    std::optional<Listing> Find(const std::string& directory, const FILETIME& written) const;
    void Keep(const std::string& directory, const FILETIME& written, const Listing& entries);

private:
    std::string directory_;
    FILETIME written_{};
    // GetTickCount when the listing was kept (XP has no 64-bit count). The count starts again at
    // 0 every 49.7 days; the age, taken modulo 2^32 (DWORD arithmetic), stays right across that
    // wrap. Only a listing asked for again a whole number of wraps later, within a second, would
    // pass for fresh, and then still only while its directory's write time is unchanged.
    DWORD takenMs_ = 0;
    Listing entries_;
};

}  // namespace qlr::win32
