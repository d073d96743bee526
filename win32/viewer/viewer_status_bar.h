#pragma once

#include "viewer/viewer_ports.h"
#include "win32/common/status_bar_control.h"
#include "win32/common/windows_api.h"

#include <string>

namespace trelvo::win32 {

// The status bar: what the pointer is on (or how to move the view), then the equilibrium
// check and the model's summary at the right edge, each as wide as its text; a check not
// shown leaves its room to the pointer's long line.
class ViewerStatusBar {
public:
    enum Part { kHover, kEquilibrium, kSummary, kPartCount };

    ViewerStatusBar(HWND parent, HINSTANCE instance, int id);

    HWND Handle() const { return bar_.Handle(); }
    int Height() const { return bar_.Height(); }
    void Show(const viewer::ViewerStatus& status);
    std::string Text(Part part) const;
    // Along the bottom edge again after the window's size changed.
    void Relayout();
    // The font and the parts again for a new DPI.
    void SetDpi(UINT dpi);

private:
    void SetParts();

    win32::StatusBarControl bar_;
    viewer::ViewerStatus status_;
};

} // namespace trelvo::win32
