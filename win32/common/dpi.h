#pragma once

// Pixel measures at the window's scale. Every measure the programs use is written for
// 96 dots per inch (100 %) and scaled to the DPI of the window's monitor, which the
// system tells a per-monitor aware program with WM_DPICHANGED when it changes.
#include "win32/common/windows_api.h"

namespace trelvo::win32 {

inline constexpr UINT kBaseDpi = 96;

// The DPI of the window's monitor, or the system's where the system has no per-monitor
// scaling (before Windows 10 1607).
UINT WindowDpi(HWND window);
// The DPI the system starts windows at, before they are placed.
UINT SystemDpi();

// How many pixels one 96-dpi pixel is at the DPI.
inline double DpiScale(UINT dpi) { return static_cast<double>(dpi) / kBaseDpi; }

inline int Scaled(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), kBaseDpi); }
inline SIZE Scaled(SIZE size, UINT dpi) { return SIZE{Scaled(size.cx, dpi), Scaled(size.cy, dpi)}; }
inline RECT Scaled(RECT rect, UINT dpi) {
    return RECT{Scaled(rect.left, dpi), Scaled(rect.top, dpi), Scaled(rect.right, dpi),
                Scaled(rect.bottom, dpi)};
}

// The window rectangle around a client rectangle, frame and menu bar at the DPI.
RECT WindowRectForClient(RECT client, DWORD style, bool menuBar, UINT dpi);

// The system's fonts at the DPI, as the user set them: the message font (dialogs, labels,
// toolbar texts) and the status bar's. The caller deletes the font.
HFONT CreateMessageFont(UINT dpi);
HFONT CreateStatusFont(UINT dpi);

} // namespace trelvo::win32
