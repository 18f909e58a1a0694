#include "win32/ListingCache.h"

namespace qlr::win32 {

namespace {

constexpr DWORD kFreshMs = 1000;

// "C:\A\B" and "c:\a\b\" name the same directory.
std::string Key(const std::string& directory) {
    std::string key = directory;
    if (key.size() > 3 && key.back() == '\\') key.pop_back();
    CharUpperBuffA(key.data(), DWORD(key.size()));
    return key;
}

}  // namespace

std::optional<FILETIME> ListingCache::WrittenAt(const std::string& directory) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(directory.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data.ftLastWriteTime;
}

std::optional<ListingCache::Listing> ListingCache::Find(const std::string& directory,
                                                        const FILETIME& written) const {
    if (directory_.empty() || GetTickCount() - takenMs_ > kFreshMs || CompareFileTime(&written, &written_) != 0 ||
        Key(directory) != directory_)
        return std::nullopt;
    return entries_;
}

void ListingCache::Keep(const std::string& directory, const FILETIME& written, const Listing& entries) {
    directory_ = Key(directory);
    written_ = written;
    takenMs_ = GetTickCount();
    // Copied into a new listing that is moved in: assigning entry over entry would bring about half
    // a kilobyte of code of its own into the programs.
    entries_ = Listing(entries);
}

}  // namespace qlr::win32
