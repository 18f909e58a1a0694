#include "installer/engine/BackupDirectory.h"

#include <charconv>

#include "platform/WindowsValues.h"

namespace qlr {

namespace {

// Installs in the same second that each get a directory of their own.
constexpr int kMostInstallsInOneSecond = 99;

// The number in decimal, with leading zeros up to `width` digits. (std::to_chars rather than
// snprintf, which would bring the C library's whole formatted-output code into the program.)
std::string Decimal(int value, std::size_t width = 1) {
    char digits[16];
    const std::size_t length = std::to_chars(digits, digits + sizeof digits, value).ptr - digits;
    return std::string(width > length ? width - length : 0, '0') + std::string(digits, length);
}

}  // namespace

std::string BackupDirectoryName(const LocalTime& time) {
    return "qlr-backup-" + Decimal(time.year, 4) + Decimal(time.month, 2) + Decimal(time.day, 2) + "-" +
           Decimal(time.hour, 2) + Decimal(time.minute, 2) + Decimal(time.second, 2);
}

// The first name not taken yet; a name another install took meanwhile fails to be made and is
// passed over as well.
Status BackupDirectory::MakeDirectory() {
    if (!directory_.empty()) return Status::Ok();
    const std::string name = playerBase_ + BackupDirectoryName(clock_.LocalNow());
    Status made = Status::Fail(kErrorAlreadyExists);
    for (int install = 1; install <= kMostInstallsInOneSecond && !made.ok(); ++install) {
        const std::string candidate = install == 1 ? name : name + "-" + Decimal(install);
        if (files_.IsDirectory(candidate) || files_.IsFile(candidate)) continue;
        made = files_.MakeDirectory(candidate);
        if (made.ok()) directory_ = candidate + '\\';
        else if (made.error != kErrorAlreadyExists) break;
    }
    return made;
}

bool BackupDirectory::KeepCopy(const std::string& path, const std::string& subdirectory,
                               FailedSteps& failed) {
    Status kept = MakeDirectory();
    std::string target = directory_;
    if (kept.ok() && !subdirectory.empty()) {
        target += subdirectory;
        if (!files_.IsDirectory(target)) kept = files_.MakeDirectory(target);
        target += '\\';
    }
    if (kept.ok()) kept = files_.CopyReplacing(path, target + path.substr(path.find_last_of('\\') + 1));
    return failed.Check(kept, "Keep a copy of " + path + " before replacing it");
}

}  // namespace qlr
