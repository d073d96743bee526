#include "window_class.h"

#include "resource_ids.h"

namespace trelvo::win32 {
namespace {

HICON ProgramIcon(HINSTANCE instance, int metricX, int metricY) {
    const int width = ::GetSystemMetrics(metricX), height = ::GetSystemMetrics(metricY);
    if (const HANDLE icon = ::LoadImageA(instance, MAKEINTRESOURCEA(TRELVO_PROGRAM_ICON),
                                         IMAGE_ICON, width, height, LR_SHARED))
        return static_cast<HICON>(icon);
    return static_cast<HICON>(::LoadImageA(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
}

} // namespace

const char* RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                                bool programIcon) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (::GetClassInfoExA(instance, name, &known))
        return name;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    if (programIcon) {
        windowClass.hIcon = ProgramIcon(instance, SM_CXICON, SM_CYICON);
        windowClass.hIconSm = ProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
    }
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = name;
    ::RegisterClassExA(&windowClass);
    return name;
}

RECT CentredWindowRect(SIZE client, DWORD style, bool menuBar) {
    RECT frame{0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&frame, style, menuBar, 0);
    return CentredRect(SIZE{frame.right - frame.left, frame.bottom - frame.top});
}

RECT CentredRect(SIZE window) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG left = work.left + (work.right - work.left - window.cx) / 2;
    const LONG top = work.top + (work.bottom - work.top - window.cy) / 2;
    return RECT{left, top, left + window.cx, top + window.cy};
}

void* WindowObjectPointer(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        void* object = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<void*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND CreateCentredWindow(HINSTANCE instance, const char* className, const char* title,
                         SIZE client, DWORD style, void* object) {
    const RECT place = CentredWindowRect(client, style, false);
    return ::CreateWindowExA(0, className, title, style, place.left, place.top,
                             place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                             instance, object);
}

} // namespace trelvo::win32
