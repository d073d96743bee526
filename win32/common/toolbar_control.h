#pragma once

#include "win32/common/windows_api.h"

#include <commctrl.h>

#include <string>
#include <type_traits>
#include <vector>

namespace trelvo::win32 {

// Where a button's picture comes from: the system's standard pictures (STD_* numbers) or
// the program's own strip (a position in it).
struct ToolPicture {
    enum class Source { None, Standard, Own };
    Source source = Source::None;
    int index = 0;
    int standIn = -1; // for one of our own: the standard picture shown when the strip is missing
};

struct ToolButton {
    int id = 0;
    bool separator = false;
    ToolPicture picture;
    std::wstring text;    // shown beside the picture; empty for a picture alone
    std::wstring tooltip; // what the tooltip and a screen reader say; empty for none
    bool check = false;   // keeps its pressed look until clicked again
    bool enabled = true;
    int width = 0; // a separator's width at 96 dpi, for a gap other controls sit in; 0: the usual
};

// The program's own strip of pictures at the two sizes of the system's standard ones.
struct OwnStrip {
    UINT small = 0; // bitmap resources: 16 and 24 pixels square; 0 for none
    UINT large = 0;
};

// The system's toolbar along the parent's top edge, flat, with a tooltip per button: the
// platform's own control, so that the theme draws it and screen readers see its buttons.
// Pictures are the system's standard ones, loaded by the toolbar itself, and the program's
// own strip after them, at the size the window's DPI needs; a click sends the parent
// WM_COMMAND with the button's id.
class ToolbarControl {
public:
    ToolbarControl(HWND parent, int id, std::vector<ToolButton> buttons, bool textBeside, OwnStrip strip);
    ~ToolbarControl();
    ToolbarControl(const ToolbarControl&) = delete;
    ToolbarControl& operator=(const ToolbarControl&) = delete;

    HWND Handle() const { return toolbar_; }
    void SetEnabled(int id, bool enabled);
    bool IsEnabled(int id) const;
    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;
    // The picture a button shows: its index in the image list, I_IMAGENONE for none.
    int ImageOf(int id) const;
    bool HasOwnPictures() const { return ownFirst_ >= 0; }
    // The same, by a program's own command numbers.
    template <typename Id>
        requires std::is_enum_v<Id>
    bool IsEnabled(Id id) const { return IsEnabled(static_cast<int>(id)); }
    template <typename Id>
        requires std::is_enum_v<Id>
    bool IsChecked(Id id) const { return IsChecked(static_cast<int>(id)); }
    template <typename Id>
        requires std::is_enum_v<Id>
    int ImageOf(Id id) const { return ImageOf(static_cast<int>(id)); }
    // The side of the pictures now shown, in pixels.
    int PictureSize() const { return pictureSize_; }
    int Height() const;
    // A button's or gap's place in the parent's client area.
    RECT ItemPlace(int id) const;
    // Along the top edge again after the parent's size changed.
    void Relayout();
    // Pictures, font and gaps again for a new DPI.
    void SetDpi(UINT dpi);
    // Answers a tooltip's request for a button's text (WM_NOTIFY to the parent); whether
    // the notification was that.
    bool AnswerTooltip(LPARAM notification) const;

private:
    void LoadPictures(UINT dpi);
    void AddButtons();
    int ImageIndex(const ToolPicture& picture) const;
    const ToolButton* Find(int id) const;

    HWND toolbar_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<ToolButton> buttons_;
    OwnStrip strip_;
    int pictureSize_ = 16;
    int ownFirst_ = -1; // index of the first of our own pictures; -1 when none were loaded
    UINT dpi_ = 96;
};

} // namespace trelvo::win32
