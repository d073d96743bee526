#pragma once

#include "editor/command_table.h"

#include <QIcon>
#include <QPixmap>

namespace trelvo::qt {

// The picture of a toolbar button; an empty icon for ButtonImage::None.
QIcon ButtonIcon(ButtonImage image);
// One rendering of a picture at `size` x `size` pixels, drawn for that size.
QPixmap RenderButtonImage(ButtonImage image, int size);
// ICON1, the program's icon, at the sizes window managers ask for.
QIcon ApplicationIcon();

} // namespace trelvo::qt
