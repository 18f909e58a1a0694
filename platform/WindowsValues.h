#pragma once
// The numbers of the Windows API that portable code works with, each named after the Windows name
// it mirrors (ERROR_FILE_NOT_FOUND is kErrorFileNotFound). Portable code never includes
// windows.h, so the values are written out here, once; win32/WindowsValuesCheck.cpp
// compares every one with windows.h in both Windows builds. A new one goes here and there.
#include <cstdint>

namespace qlr {

// Error codes (ERROR_...), as platform calls report them in their Status.
inline constexpr std::uint32_t kErrorFileNotFound = 2;      // also: no such registry key or value
inline constexpr std::uint32_t kErrorPathNotFound = 3;
inline constexpr std::uint32_t kErrorAccessDenied = 5;      // also: deleting a key with subkeys
inline constexpr std::uint32_t kErrorInvalidHandle = 6;
inline constexpr std::uint32_t kErrorInvalidDrive = 15;
inline constexpr std::uint32_t kErrorNotReady = 21;         // a drive without a medium
inline constexpr std::uint32_t kErrorSharingViolation = 32; // a file another program holds open
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorDiskFull = 112;
inline constexpr std::uint32_t kErrorInvalidName = 123;     // a name that cannot be a file's
inline constexpr std::uint32_t kErrorAlreadyExists = 183;
inline constexpr std::uint32_t kErrorEnvvarNotFound = 203;  // no such environment variable
inline constexpr std::uint32_t kErrorMoreData = 234;        // a name or data beyond its buffer
inline constexpr std::uint32_t kErrorNoMoreItems = 259;     // an enumeration index past the last

// Predefined registry root keys (HKEY_...), as their 32-bit numbers.
inline constexpr std::uint32_t kHkeyClassesRoot = 0x80000000u;
inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;
inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;

// Registry value types (REG_...).
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// File attributes (FILE_ATTRIBUTE_...).
inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;

// Message box styles (MB_...) and answers (ID...).
inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbTypeMask = 0x0F;  // the bits that choose the buttons
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// System colour indexes (COLOR_...).
inline constexpr int kColorMenu = 4;
inline constexpr int kColorWindow = 5;
inline constexpr int kColorHighlightText = 14;

// Character sets of fonts (..._CHARSET).
inline constexpr int kDefaultCharset = 1;
inline constexpr int kEastEuropeCharset = 238;

// How a program's window is shown (SW_...).
inline constexpr int kSwShowNormal = 1;

// Modifier bits of a hot key (HOTKEYF_...), as a shortcut's hot key word has them in its high byte.
inline constexpr std::uint8_t kHotkeyfShift = 0x01;
inline constexpr std::uint8_t kHotkeyfControl = 0x02;
inline constexpr std::uint8_t kHotkeyfAlt = 0x04;
inline constexpr std::uint8_t kHotkeyfExt = 0x08;

// Virtual-key codes (VK_...). The letters A to Z and the digits 0 to 9 are their own upper-case
// characters; F1 to F24 follow each other from kVkF1.
inline constexpr std::uint8_t kVkBack = 0x08;
inline constexpr std::uint8_t kVkTab = 0x09;
inline constexpr std::uint8_t kVkReturn = 0x0D;
inline constexpr std::uint8_t kVkPause = 0x13;
inline constexpr std::uint8_t kVkEscape = 0x1B;
inline constexpr std::uint8_t kVkSpace = 0x20;
inline constexpr std::uint8_t kVkPrior = 0x21;
inline constexpr std::uint8_t kVkNext = 0x22;
inline constexpr std::uint8_t kVkEnd = 0x23;
inline constexpr std::uint8_t kVkHome = 0x24;
inline constexpr std::uint8_t kVkLeft = 0x25;
inline constexpr std::uint8_t kVkUp = 0x26;
inline constexpr std::uint8_t kVkRight = 0x27;
inline constexpr std::uint8_t kVkDown = 0x28;
inline constexpr std::uint8_t kVkInsert = 0x2D;
inline constexpr std::uint8_t kVkDelete = 0x2E;
inline constexpr std::uint8_t kVkF1 = 0x70;
inline constexpr std::uint8_t kVkF24 = 0x87;

}  // namespace qlr
