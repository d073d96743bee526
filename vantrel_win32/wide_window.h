#pragma once

// The viewer's main window takes its messages in UTF-16: its title names the document, and
// an ANSI window would get that name through the ANSI code page, losing what it cannot hold.
#include "window_class.h"
#include "windows_api.h"

namespace trelvo::vantrel_win32 {

// Registers the class once and gives its name back.
const wchar_t* RegisterWideWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// As win32::AnswerForObject, for a window of a class registered above.
template <typename T>
LRESULT AnswerForWideObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HWND T::*handle,
                            LRESULT (T::*answer)(UINT, WPARAM, LPARAM)) {
    T* self = win32::WindowObject<T>(window, message, lParam); // the same creation data as ANSI's
    if (!self)
        return ::DefWindowProcW(window, message, wParam, lParam);
    self->*handle = window;
    return (self->*answer)(message, wParam, lParam);
}

} // namespace trelvo::vantrel_win32
