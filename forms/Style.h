#pragma once
// Look of a control: geometry in pixels at 96 dpi, colours, fonts, alignment.
#include <cstdint>
#include <string>

#include "platform/WindowsValues.h"

namespace qlr::forms {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// An RGB colour, or one of the system's colour indexes (COLOR_... of the Windows API).
struct Color {
    enum class Kind { Default, Rgb, System } kind = Kind::Default;
    std::uint32_t value = 0;  // 0x00BBGGRR for Rgb, the index for System

    static Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {Kind::Rgb, std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16)};
    }
    static Color System(int index) { return {Kind::System, std::uint32_t(index)}; }
};

// The system colour indexes and character sets the forms use, under the forms' names too.
using qlr::kColorHighlightText;
using qlr::kColorMenu;
using qlr::kColorWindow;
using qlr::kDefaultCharset;
using qlr::kEastEuropeCharset;

struct Font {
    std::string face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    int charset = kDefaultCharset;
};

enum class Align { Left, Center };

}  // namespace qlr::forms
