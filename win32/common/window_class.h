#pragma once

// What the programs' top-level windows share: their class, their place on the screen,
// and the object behind each window's handle.
#include "win32/common/windows_api.h"

#include <string>

namespace trelvo::win32 {

// Registers the class once and gives its name back. Its windows show the icon resource
// `icon` of the program (the system's default where the program was built without it), or
// none for 0.
const wchar_t* RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT icon = 0);

// The window rectangle of that size, centred on the work area.
RECT CentredRect(SIZE window);

// A top-level window of the class, titled `title` (UTF-8), with a client area of `client`
// pixels at 96 dpi, scaled to the DPI of the monitor it opens on and centred on the work
// area, and `object` as its creation parameter (see WindowObject). Made hidden.
HWND CreateCentredWindow(HINSTANCE instance, const wchar_t* className, const std::string& title,
                         SIZE client, DWORD style, void* object, HMENU menu = nullptr);

// The object given as the creation parameter, kept with the window from its first
// message on; null before it.
void* WindowObjectPointer(HWND window, UINT message, LPARAM lParam);

template <typename T>
T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    return static_cast<T*>(WindowObjectPointer(window, message, lParam));
}

// What a window procedure does for a window that belongs to an object of T (its creation
// parameter): from the window's first message on, already during creation and before
// CreateWindowExW returns, the object's `handle` is the window and `answer` answers; the
// default answer before that.
template <typename T>
LRESULT AnswerForObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HWND T::*handle,
                        LRESULT (T::*answer)(UINT, WPARAM, LPARAM)) {
    T* self = WindowObject<T>(window, message, lParam);
    if (!self)
        return ::DefWindowProcW(window, message, wParam, lParam);
    self->*handle = window;
    return (self->*answer)(message, wParam, lParam);
}

} // namespace trelvo::win32
