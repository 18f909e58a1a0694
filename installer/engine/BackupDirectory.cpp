#include "installer/engine/BackupDirectory.h"

#include "common/Paths.h"
#include "platform/WindowsValues.h"

namespace qlr {

using namespace std::literals;

namespace {

// Installs in the same second that each get a directory of their own.
constexpr int kMostInstallsInOneSecond = 99;

// The number in decimal, with leading zeros up to `width` digits.
std::string Decimal(unsigned value, std::size_t width = 1) {
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + value % 10));
        value /= 10;
    } while (value != 0 || digits.size() < width);
    return digits;
}

}  // namespace

std::string BackupDirectoryName(const LocalTime& time) {
    return "qlr-backup-" + Decimal(time.year, 4) + Decimal(time.month, 2) + Decimal(time.day, 2) + "-" +
           Decimal(time.hour, 2) + Decimal(time.minute, 2) + Decimal(time.second, 2);
}

// The first name not taken yet: a name that is taken, by a directory or a file, fails to be made
// with ERROR_ALREADY_EXISTS and is passed over.
Status BackupDirectory::MakeDirectory() {
    if (!directory_.empty()) return Status::Ok();
    const std::string name = playerBase_ + BackupDirectoryName(clock_.LocalNow());
    Status made = Status::Fail(kErrorAlreadyExists);
    for (int install = 1; install <= kMostInstallsInOneSecond && !made.ok(); ++install) {
        const std::string candidate = install == 1 ? name : name + "-" + Decimal(install);
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
    return failed.Check(kept, Join({"Keep a copy of "sv, path, " before replacing it"sv}));
}

}  // namespace qlr
