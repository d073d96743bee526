#pragma once

#include "win32/common/status_bar_control.h"
#include "win32/common/windows_api.h"

#include <string>

namespace trelvo::win32 {

// The status bar: what the pointer is on (or how to move the view), then the equilibrium
// check and the model's summary at the right edge, each as wide as its text. While
// something is pointed at, its long line takes the equilibrium check's room.
class ViewerStatusBar {
public:
    enum Part { kHover, kEquilibrium, kSummary, kPartCount };

    ViewerStatusBar(HWND parent, HINSTANCE instance, int id);

    HWND Handle() const { return bar_.Handle(); }
    int Height() const { return bar_.Height(); }
    // Empty: the hint, and the equilibrium check shown again.
    void SetHover(const std::string& text);
    void SetEquilibrium(const std::string& text);
    void SetSummary(const std::string& text);
    std::string Text(Part part) const;
    // Along the bottom edge again after the window's size changed.
    void Relayout();
    // The font and the parts again for a new DPI.
    void SetDpi(UINT dpi);

private:
    void SetParts();

    win32::StatusBarControl bar_;
    std::string texts_[kPartCount];
    bool hovering_ = false;
};

} // namespace trelvo::win32
