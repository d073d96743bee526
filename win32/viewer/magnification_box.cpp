#include "win32/viewer/magnification_box.h"

#include "win32/common/dpi.h"

#include <commctrl.h>

#include <string>

namespace trelvo::win32 {
namespace {

constexpr int kArrowsWidth = 18;

// The dialog font that the box had at 96 dpi, at the given dpi. The stock font is made once
// for the system's dpi, which the monitor need not have.
HFONT DialogFont(UINT dpi) {
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    const HDC screen = ::GetDC(nullptr);
    font.lfHeight = ::MulDiv(font.lfHeight, static_cast<int>(dpi), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    return ::CreateFontIndirectW(&font);
}

} // namespace

MagnificationBox::MagnificationBox(HWND parent, HINSTANCE instance, int id) {
    const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    edit_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                              0, 0, 0, 0, parent, menu, instance, nullptr);
    arrows_ = ::CreateWindowExA(0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                menu, instance, nullptr);
    SetDpi(win32::WindowDpi(parent));
    ::SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
}

MagnificationBox::~MagnificationBox() {
    if (::IsWindow(edit_)) {
        ::SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
        ::DestroyWindow(edit_);
    }
    if (::IsWindow(arrows_))
        ::DestroyWindow(arrows_);
    if (font_)
        ::DeleteObject(font_);
}

void MagnificationBox::SetDpi(UINT dpi) {
    const HFONT old = font_;
    dpi_ = dpi;
    font_ = DialogFont(dpi);
    ::SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old)
        ::DeleteObject(old);
}

std::string MagnificationBox::Text() const {
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(edit_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MagnificationBox::SetText(const std::string& text) {
    ::SetWindowTextA(edit_, text.c_str());
}

void MagnificationBox::SetEnabled(bool enabled) {
    ::EnableWindow(edit_, enabled);
    ::EnableWindow(arrows_, enabled);
}

void MagnificationBox::Place(int left, int top, int width, int height) {
    const int arrowsWidth = win32::Scaled(kArrowsWidth, dpi_);
    ::SetWindowPos(edit_, HWND_TOP, left, top, width - arrowsWidth, height, 0);
    ::SetWindowPos(arrows_, HWND_TOP, left + width - arrowsWidth, top, arrowsWidth, height, 0);
}

// The up arrow makes the value larger, the down arrow smaller.
bool MagnificationBox::HandleArrows(LPARAM notification) {
    const auto* header = reinterpret_cast<const NMHDR*>(notification);
    if (header->hwndFrom != arrows_ || header->code != UDN_DELTAPOS)
        return false;
    Step(-reinterpret_cast<const NMUPDOWN*>(notification)->iDelta);
    return true;
}

void MagnificationBox::Commit() {
    if (entered_)
        entered_(Text());
}

void MagnificationBox::Step(int steps) {
    Commit();
    if (stepped_)
        stepped_(steps);
}

LRESULT CALLBACK MagnificationBox::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MagnificationBox*>(::GetWindowLongPtrA(edit, GWLP_USERDATA));
    switch (message) {
    case WM_GETDLGCODE:
        return ::CallWindowProcA(self->editProc_, edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            self->Commit();
            return 0;
        }
        if (wParam == VK_UP || wParam == VK_DOWN) {
            self->Step(wParam == VK_UP ? 1 : -1);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r')
            return 0; // no beep: Enter was taken on its key
        break;
    case WM_KILLFOCUS:
        self->Commit();
        break;
    default:
        break;
    }
    return ::CallWindowProcA(self->editProc_, edit, message, wParam, lParam);
}

} // namespace trelvo::win32
