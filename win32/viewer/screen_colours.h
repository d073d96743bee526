#pragma once

#include "viewer/colour.h"

namespace trelvo::win32 {

// The view's ground and neutral ink on the screen: while High Contrast is on, the colours
// the user chose for a window's background and text; otherwise the drawing's own.
viewer::NeutralColours ScreenColours();

} // namespace trelvo::win32
