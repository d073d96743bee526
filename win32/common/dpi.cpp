#include "win32/common/dpi.h"

#include <initializer_list>

namespace trelvo::win32 {
namespace {

// The per-monitor calls came with Windows 10 1607; found at run time, so that the
// programs still start, at the system's DPI, where they are missing.
template <typename Function> Function User32Function(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                  : nullptr;
}

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetDpiForSystemCall = UINT(WINAPI*)();
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ParametersForDpiCall = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

UINT ScreenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

NONCLIENTMETRICSW NonClientMetrics(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    static const auto forDpi = User32Function<ParametersForDpiCall>("SystemParametersInfoForDpi");
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // The system's metrics are at its own DPI.
    const UINT system = ScreenDpi();
    for (LOGFONTW* font : {&metrics.lfMessageFont, &metrics.lfStatusFont})
        font->lfHeight = ::MulDiv(font->lfHeight, static_cast<int>(dpi), static_cast<int>(system));
    return metrics;
}

} // namespace

UINT WindowDpi(HWND window) {
    static const auto forWindow = User32Function<GetDpiForWindowCall>("GetDpiForWindow");
    const UINT dpi = forWindow && window ? forWindow(window) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

UINT SystemDpi() {
    static const auto forSystem = User32Function<GetDpiForSystemCall>("GetDpiForSystem");
    const UINT dpi = forSystem ? forSystem() : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

RECT WindowRectForClient(RECT client, DWORD style, bool menuBar, UINT dpi) {
    static const auto forDpi = User32Function<AdjustForDpiCall>("AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&client, style, menuBar, 0, dpi))
        ::AdjustWindowRectEx(&client, style, menuBar, 0);
    return client;
}

HFONT CreateMessageFont(UINT dpi) {
    const NONCLIENTMETRICSW metrics = NonClientMetrics(dpi);
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

HFONT CreateStatusFont(UINT dpi) {
    const NONCLIENTMETRICSW metrics = NonClientMetrics(dpi);
    return ::CreateFontIndirectW(&metrics.lfStatusFont);
}

} // namespace trelvo::win32
