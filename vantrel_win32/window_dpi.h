#pragma once

#include "windows_api.h"

namespace trelvo::vantrel_win32 {

// The viewer's measures are given for 96 dpi, the screen Windows counts as 100 %, and grow
// with the dpi of the monitor a window is on.
inline int ScaledPixels(int pixels, UINT dpi) {
    return ::MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}
inline double DpiScale(UINT dpi) { return static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI; }

// The dpi of the monitor the window is on. Windows before 10 version 1607 has no figure
// per window and gets the system's.
UINT WindowDpi(HWND window);

} // namespace trelvo::vantrel_win32
