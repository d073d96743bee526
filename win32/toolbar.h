#pragma once

#include "command_id.h"
#include "windows_api.h"

#include <commctrl.h>

#include <set>

namespace trelvo::win32 {

// The flat toolbar along the window's top edge, built from the command table: the
// system's standard pictures and the program's own, a tooltip per button, the Help Page
// button a check button, and the placeholders blank and disabled for good.
class Toolbar {
public:
    Toolbar(HWND parent, int id, HINSTANCE instance);
    ~Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    HWND Handle() const { return toolbar_; }
    void SetEnabled(CommandId id, bool enabled);
    bool IsEnabled(CommandId id) const;
    void SetChecked(CommandId id, bool checked);
    bool IsChecked(CommandId id) const;
    // The picture a button shows: its index in the toolbar's image list.
    int ImageOf(CommandId id) const;
    // Whether the program's own pictures were built into it.
    bool HasOwnPictures() const { return ownPictures_ >= 0; }
    // Lays itself out along the top edge after the window's size changed.
    void Relayout();
    // The tooltip of a button, for the tooltip's request of its text; null for none.
    static const char* TooltipOf(UINT_PTR id);

private:
    void LoadImages(HINSTANCE instance);
    void AddButtons();
    int ImageIndex(CommandId id, bool placeholder) const;

    HWND toolbar_ = nullptr;
    HIMAGELIST images_ = nullptr;
    int ownPictures_ = -1; // index of the first of our own pictures, -1 when not built in
    std::set<CommandId> placeholders_;
};

} // namespace trelvo::win32
