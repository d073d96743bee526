#pragma once

#include "win32/common/windows_api.h"

#include <string>
#include <vector>

namespace trelvo::win32 {

// The system's status bar along the parent's bottom edge, with a size grip: the platform's
// own control, so that the theme draws it and screen readers read its parts. Texts are
// UTF-8; parts are placed in pixels at the window's DPI (see Scaled).
class StatusBarControl {
public:
    StatusBarControl(HWND parent, int id);
    ~StatusBarControl();
    StatusBarControl(const StatusBarControl&) = delete;
    StatusBarControl& operator=(const StatusBarControl&) = delete;

    HWND Handle() const { return bar_; }
    int Height() const;
    // The parts' right edges in pixels, left to right; -1 reaches the bar's end. Texts
    // set before are kept where their part still is.
    void SetParts(const std::vector<int>& rightEdges);
    void SetText(int part, const std::string& text);
    std::string Text(int part) const;
    // A part's place in the bar's client area.
    RECT PartPlace(int part) const;
    // How wide a part must be to show the text whole, in pixels.
    int TextWidth(const std::string& text) const;
    // Along the bottom edge again after the parent's size changed.
    void Relayout();
    // The font again for a new DPI.
    void SetDpi(UINT dpi);

private:
    HWND bar_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace trelvo::win32
