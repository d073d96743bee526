#pragma once

#include "win32/common/windows_api.h"

#include <functional>
#include <string>

namespace trelvo::win32 {

// The help page's window: a title bar only, and one framed label showing the help text
// in a font on which the whole text fits. Made hidden when first needed, not at start-up,
// which it would slow by a window and a font search; the main window shows and hides it.
class HelpWindow {
public:
    explicit HelpWindow(HINSTANCE instance) : instance_(instance) {}
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // The window, made now if it was not yet.
    HWND Handle();
    // The window if it has been made, else null.
    HWND ExistingHandle() const { return window_; }
    HWND Label() {
        Handle();
        return label_;
    }
    void Show(bool shown);
    // A close request (the title bar has no close box, but Alt+F4 still asks) goes here.
    void OnCloseRequest(std::function<void()> handler) { closeRequested_ = std::move(handler); }

private:
    void FitToDpi(UINT dpi);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND label_ = nullptr;
    HFONT font_ = nullptr;
    std::function<void()> closeRequested_;
};

// The default interface font at 8 points at the DPI, or smaller down to 5 points where that
// is what it takes for every line of `text`, wrapped as the label wraps it, to fit the label.
HFONT FittingLabelFont(HWND label, const std::string& text, UINT dpi);

// Whether the text, wrapped as a left-aligned label wraps it, fits `area` in the font: no
// word wider than the area, and all the lines within its height.
bool LabelTextFits(HFONT font, const std::string& text, SIZE area);

} // namespace trelvo::win32
