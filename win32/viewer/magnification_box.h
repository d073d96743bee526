#pragma once

#include "win32/common/windows_api.h"

#include <functional>
#include <string>

namespace trelvo::win32 {

// The magnification of the deformed shape as an edit box with arrows beside it. What it
// shows and what its text and steps mean are the viewer core's: the box reports the typed
// text on Enter or when it loses the focus, and the steps of the arrows and of the Up and
// Down keys, each after the text typed so far.
class MagnificationBox {
public:
    MagnificationBox(HWND parent, HINSTANCE instance, int id);
    ~MagnificationBox();
    MagnificationBox(const MagnificationBox&) = delete;
    MagnificationBox& operator=(const MagnificationBox&) = delete;

    HWND Edit() const { return edit_; }
    std::string Text() const;
    // Shows the text without reporting it.
    void SetText(const std::string& text);
    void SetEnabled(bool enabled);
    // The dpi of the monitor it is shown on: its font and arrows are sized for it. It starts
    // with its parent's.
    void SetDpi(UINT dpi);
    void Place(int left, int top, int width, int height);
    void OnEnter(std::function<void(const std::string&)> entered) { entered_ = std::move(entered); }
    void OnStep(std::function<void(int)> stepped) { stepped_ = std::move(stepped); }

    // The arrows' notification, as the parent receives it; whether it was theirs.
    bool HandleArrows(LPARAM notification);

private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void Commit();
    void Step(int steps);

    HWND edit_ = nullptr;
    HWND arrows_ = nullptr;
    WNDPROC editProc_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HFONT font_ = nullptr;
    std::function<void(const std::string&)> entered_;
    std::function<void(int)> stepped_;
};

} // namespace trelvo::win32
