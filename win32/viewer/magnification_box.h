#pragma once

#include "win32/common/windows_api.h"

#include <functional>

namespace trelvo::win32 {

// The magnification of the deformed shape as an edit box with arrows beside it. A typed
// value counts on Enter or when the box loses the focus (an unreadable one is put back);
// the arrows and the Up and Down keys step it. Every new value is reported.
class MagnificationBox {
public:
    MagnificationBox(HWND parent, HINSTANCE instance, int id);
    ~MagnificationBox();
    MagnificationBox(const MagnificationBox&) = delete;
    MagnificationBox& operator=(const MagnificationBox&) = delete;

    HWND Edit() const { return edit_; }
    double Value() const { return value_; }
    // Shows the value without reporting it.
    void SetValue(double value);
    void SetEnabled(bool enabled);
    // The dpi of the monitor it is shown on: its font and arrows are sized for it. It starts
    // with its parent's.
    void SetDpi(UINT dpi);
    void Place(int left, int top, int width, int height);
    void OnChange(std::function<void(double)> changed) { changed_ = std::move(changed); }

    // The arrows' notification, as the parent receives it; whether it was theirs.
    bool HandleArrows(LPARAM notification);

private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void Commit();
    void Step(int steps);
    void Report(double value);

    HWND edit_ = nullptr;
    HWND arrows_ = nullptr;
    WNDPROC editProc_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HFONT font_ = nullptr;
    double value_ = 1.0;
    std::function<void(double)> changed_;
};

} // namespace trelvo::win32
