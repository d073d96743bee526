#pragma once

#include "editor/command_table.h"

#include <cstdint>
#include <span>

namespace trelvo::qt {

// A picture drawn when the program was built: `size` rows of `size` premultiplied ARGB
// pixels. Start-up shows these instead of drawing, which costs more than the window.
struct PrerenderedIcon {
    ButtonImage image;
    int size;
    const std::uint32_t* pixels;
};

std::span<const PrerenderedIcon> PrerenderedIcons();

// The pictures and sizes drawn at build time: every toolbar picture at one and two device
// pixels per pixel, and the program icon at the sizes window managers ask for.
struct PrerenderedSize {
    ButtonImage image;
    int size;
};
std::span<const PrerenderedSize> PrerenderedSizes();

} // namespace trelvo::qt
