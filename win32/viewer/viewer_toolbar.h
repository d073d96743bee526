#pragma once

#include "viewer/viewer_command_table.h"
#include "win32/common/toolbar_control.h"
#include "win32/common/windows_api.h"
#include "win32/viewer/magnification_box.h"

#include <memory>

namespace trelvo::win32 {

// The toolbar under the menu bar, laid out by the viewer's command table: buttons with their
// names beside the pictures, the view toggles as check buttons, the magnification box with
// its label, and its Auto button. The box's controls are the window's own, laid over a gap
// the toolbar keeps for them, so that their notifications reach the window.
class ViewerToolbar {
public:
    ViewerToolbar(HWND parent, HINSTANCE instance, int id);
    ~ViewerToolbar();
    ViewerToolbar(const ViewerToolbar&) = delete;
    ViewerToolbar& operator=(const ViewerToolbar&) = delete;

    HWND Handle() const { return toolbar_.Handle(); }
    MagnificationBox& Magnification() { return *box_; }
    int Height() const { return toolbar_.Height(); }

    void SetEnabled(viewer::ViewerCommandId id, bool enabled) { toolbar_.SetEnabled(static_cast<int>(id), enabled); }
    void SetChecked(viewer::ViewerCommandId id, bool checked) { toolbar_.SetChecked(static_cast<int>(id), checked); }
    // Along the top edge again after the window's size changed.
    void Relayout();
    // Pictures, fonts and the box's room again for a new DPI.
    void SetDpi(UINT dpi);
    // A notification to the window that is the toolbar's: a tooltip's request for its
    // text, or the magnification arrows. Whether it was.
    bool HandleNotify(LPARAM notification);

private:
    void PlaceMagnification();

    win32::ToolbarControl toolbar_;
    HWND label_ = nullptr;
    HFONT labelFont_ = nullptr;
    std::unique_ptr<MagnificationBox> box_;
};

} // namespace trelvo::win32
