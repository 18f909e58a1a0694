// The values platform/WindowsValues.h writes out for portable code, compared with windows.h: a
// value that does not match stops the build. Nothing here ends up in a program.
#include <windows.h>
#include <commctrl.h>

#include "platform/WindowsValues.h"

namespace qlr::win32 {
namespace {

#define QLR_SAME(ours, theirs) static_assert((ours) == (theirs), #ours " is not " #theirs)

QLR_SAME(kErrorFileNotFound, ERROR_FILE_NOT_FOUND);
QLR_SAME(kErrorPathNotFound, ERROR_PATH_NOT_FOUND);
QLR_SAME(kErrorAccessDenied, ERROR_ACCESS_DENIED);
QLR_SAME(kErrorInvalidHandle, ERROR_INVALID_HANDLE);
QLR_SAME(kErrorInvalidDrive, ERROR_INVALID_DRIVE);
QLR_SAME(kErrorNotReady, ERROR_NOT_READY);
QLR_SAME(kErrorSharingViolation, ERROR_SHARING_VIOLATION);
QLR_SAME(kErrorInvalidParameter, ERROR_INVALID_PARAMETER);
QLR_SAME(kErrorDiskFull, ERROR_DISK_FULL);
QLR_SAME(kErrorInvalidName, ERROR_INVALID_NAME);
QLR_SAME(kErrorAlreadyExists, ERROR_ALREADY_EXISTS);
QLR_SAME(kErrorEnvvarNotFound, ERROR_ENVVAR_NOT_FOUND);
QLR_SAME(kErrorMoreData, ERROR_MORE_DATA);
QLR_SAME(kErrorNoMoreItems, ERROR_NO_MORE_ITEMS);

// The root keys are pointers made from numbers, which a constant expression may not compare.
// Inside this namespace HKEY names an integer type, so the same definitions give the numbers.
namespace roots {
using HKEY = std::uintptr_t;
QLR_SAME(kHkeyClassesRoot, std::uint32_t(HKEY_CLASSES_ROOT));
QLR_SAME(kHkeyCurrentUser, std::uint32_t(HKEY_CURRENT_USER));
QLR_SAME(kHkeyLocalMachine, std::uint32_t(HKEY_LOCAL_MACHINE));
}  // namespace roots

QLR_SAME(kRegNone, REG_NONE);
QLR_SAME(kRegSz, REG_SZ);
QLR_SAME(kRegExpandSz, REG_EXPAND_SZ);
QLR_SAME(kRegBinary, REG_BINARY);
QLR_SAME(kRegDword, REG_DWORD);
QLR_SAME(kRegMultiSz, REG_MULTI_SZ);

QLR_SAME(kFileAttributeReadOnly, FILE_ATTRIBUTE_READONLY);
QLR_SAME(kFileAttributeHidden, FILE_ATTRIBUTE_HIDDEN);
QLR_SAME(kFileAttributeSystem, FILE_ATTRIBUTE_SYSTEM);
QLR_SAME(kFileAttributeDirectory, FILE_ATTRIBUTE_DIRECTORY);

QLR_SAME(kMbOk, MB_OK);
QLR_SAME(kMbYesNo, MB_YESNO);
QLR_SAME(kMbTypeMask, MB_TYPEMASK);
QLR_SAME(kMbIconError, MB_ICONERROR);
QLR_SAME(kMbIconQuestion, MB_ICONQUESTION);
QLR_SAME(kIdOk, IDOK);
QLR_SAME(kIdYes, IDYES);
QLR_SAME(kIdNo, IDNO);

QLR_SAME(kColorMenu, COLOR_MENU);
QLR_SAME(kColorWindow, COLOR_WINDOW);
QLR_SAME(kColorHighlightText, COLOR_HIGHLIGHTTEXT);

QLR_SAME(kDefaultCharset, DEFAULT_CHARSET);
QLR_SAME(kEastEuropeCharset, EASTEUROPE_CHARSET);

QLR_SAME(kSwShowNormal, SW_SHOWNORMAL);

QLR_SAME(kHotkeyfShift, HOTKEYF_SHIFT);
QLR_SAME(kHotkeyfControl, HOTKEYF_CONTROL);
QLR_SAME(kHotkeyfAlt, HOTKEYF_ALT);
QLR_SAME(kHotkeyfExt, HOTKEYF_EXT);

QLR_SAME(kVkBack, VK_BACK);
QLR_SAME(kVkTab, VK_TAB);
QLR_SAME(kVkReturn, VK_RETURN);
QLR_SAME(kVkPause, VK_PAUSE);
QLR_SAME(kVkEscape, VK_ESCAPE);
QLR_SAME(kVkSpace, VK_SPACE);
QLR_SAME(kVkPrior, VK_PRIOR);
QLR_SAME(kVkNext, VK_NEXT);
QLR_SAME(kVkEnd, VK_END);
QLR_SAME(kVkHome, VK_HOME);
QLR_SAME(kVkLeft, VK_LEFT);
QLR_SAME(kVkUp, VK_UP);
QLR_SAME(kVkRight, VK_RIGHT);
QLR_SAME(kVkDown, VK_DOWN);
QLR_SAME(kVkInsert, VK_INSERT);
QLR_SAME(kVkDelete, VK_DELETE);
QLR_SAME(kVkF1, VK_F1);
QLR_SAME(kVkF24, VK_F24);

#undef QLR_SAME

}  // namespace
}  // namespace qlr::win32
