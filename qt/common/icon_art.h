#pragma once

#include "editor/command_table.h"

#include <QImage>

#include <array>

class QPainter;

namespace trelvo::qt {

// The toolbar shows its pictures this many pixels square; window managers ask for the
// program icon at these sizes.
inline constexpr int kToolbarIconSize = 16;
inline constexpr std::array kProgramIconSizes{16, 24, 32, 48, 64, 128};

// A picture drawn with a painter in a square of `size` units; the renderer scales it.
struct IconArt {
    int size = 16;
    void (*draw)(QPainter& painter) = nullptr;
};

// The program's own pictures (ICON1, ICON2, ICON5, ICON6, ICON7) and the standard
// editing images; an art without a draw function for any other image.
IconArt ProgramArt(ButtonImage image);
IconArt StandardArt(ButtonImage image);

// The picture drawn for `size` x `size` pixels (premultiplied ARGB), transparent where it
// shows nothing; fully transparent for an image without art. Needs no application object.
QImage DrawButtonImage(ButtonImage image, int size);

} // namespace trelvo::qt
