#include "win32/common/window_class.h"

#include "win32/common/dpi.h"
#include "files/wide_names.h"

namespace trelvo::win32 {
namespace {

HICON ProgramIcon(HINSTANCE instance, UINT resource, int metricX, int metricY) {
    const int width = ::GetSystemMetrics(metricX), height = ::GetSystemMetrics(metricY);
    if (const HANDLE icon = ::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, width, height, LR_SHARED))
        return static_cast<HICON>(icon);
    return static_cast<HICON>(::LoadImageW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */,
                                           IMAGE_ICON, width, height, LR_SHARED));
}

RECT CentredWindowRect(SIZE client, DWORD style, bool menuBar, UINT dpi) {
    const RECT frame = WindowRectForClient(RECT{0, 0, Scaled(client.cx, dpi), Scaled(client.cy, dpi)}, style,
                                           menuBar, dpi);
    return CentredRect(SIZE{frame.right - frame.left, frame.bottom - frame.top});
}

} // namespace

const wchar_t* RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT icon) {
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (::GetClassInfoExW(instance, name, &known))
        return name;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    if (icon != 0) {
        windowClass.hIcon = ProgramIcon(instance, icon, SM_CXICON, SM_CYICON);
        windowClass.hIconSm = ProgramIcon(instance, icon, SM_CXSMICON, SM_CYSMICON);
    }
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = name;
    ::RegisterClassExW(&windowClass);
    return name;
}

RECT CentredRect(SIZE window) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const LONG left = work.left + (work.right - work.left - window.cx) / 2;
    const LONG top = work.top + (work.bottom - work.top - window.cy) / 2;
    return RECT{left, top, left + window.cx, top + window.cy};
}

void* WindowObjectPointer(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        void* object = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<void*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window's DPI is known once it exists, on the monitor the system chose: it is made
// at the 96-dpi size, then given the scaled one before it is first shown.
HWND CreateCentredWindow(HINSTANCE instance, const wchar_t* className, const std::string& title,
                         SIZE client, DWORD style, void* object, HMENU menu) {
    const RECT first = CentredWindowRect(client, style, menu != nullptr, kBaseDpi);
    const HWND window = ::CreateWindowExW(0, className, WideName(title).c_str(), style, first.left, first.top,
                                          first.right - first.left, first.bottom - first.top, nullptr, menu,
                                          instance, object);
    const UINT dpi = window ? WindowDpi(window) : kBaseDpi;
    if (dpi != kBaseDpi) {
        const RECT place = CentredWindowRect(client, style, menu != nullptr, dpi);
        ::SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

} // namespace trelvo::win32
