#pragma once

#include "command_id.h"
#include "toolbar_pictures.h"
#include "windows_api.h"

#include <vector>

namespace trelvo::win32 {

// The flat toolbar along the window's top edge, built from the command table: the
// system's standard pictures and the program's own, a tooltip per button, the Help Page
// button a check button, and the placeholders blank and disabled for good. A click sends
// the parent WM_COMMAND with the button's command, as a menu item does.
//
// It is drawn here rather than by the common controls: loading that library costs a
// noticeable part of the program's start. Only the tooltips come from it, made when the
// pointer first comes over the toolbar.
class Toolbar {
public:
    struct Button {
        CommandId id{};     // CommandId{0} for a separator
        RECT place{};       // in the toolbar's client area
        int image = -1;     // index among the pictures, -1 for none
        bool placeholder = false;
        bool toggle = false;
        bool enabled = false;
        bool checked = false;
    };

    Toolbar(HWND parent, int id, HINSTANCE instance);
    ~Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    HWND Handle() const { return toolbar_; }
    const std::vector<Button>& Buttons() const { return buttons_; }
    void SetEnabled(CommandId id, bool enabled);
    bool IsEnabled(CommandId id) const;
    void SetChecked(CommandId id, bool checked);
    bool IsChecked(CommandId id) const;
    // The picture a button shows: its index among the toolbar's pictures, -1 for none.
    int ImageOf(CommandId id) const;
    // Whether the program's own pictures were built into it.
    bool HasOwnPictures() const { return pictures_.OwnFirst() >= 0; }
    // Lays itself out along the top edge after the window's size changed.
    void Relayout();
    // The tooltip control, null until the pointer first came over the toolbar.
    HWND Tooltips() const { return tooltips_; }
    // The tooltip of a button, for the tooltip's request of its text; null for none.
    static const char* TooltipOf(UINT_PTR id);

    static constexpr int kHeight = 28;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void LayOutButtons();
    int ImageIndex(CommandId id, bool placeholder) const;
    Button* Find(CommandId id);
    const Button* Find(CommandId id) const;
    const Button* At(POINT point) const;
    void Paint(HDC dc) const;
    void PaintButton(HDC dc, const Button& button) const;
    void FillFace(HDC dc, const RECT& place, bool checked) const;
    void OnMouseMove(POINT point);
    void OnButtonUp(POINT point);
    void SetHot(const Button* button);
    void Redraw(const Button* button) const;
    void MakeTooltips(WPARAM wParam, LPARAM lParam);

    HWND toolbar_ = nullptr;
    HWND tooltips_ = nullptr;
    ToolbarPictures pictures_;
    HBRUSH checkedFace_ = nullptr;
    std::vector<Button> buttons_;
    CommandId hot_{};     // under the pointer
    CommandId pressed_{}; // held down by the left button
    bool tracking_ = false; // asked to hear when the pointer leaves
};

} // namespace trelvo::win32
