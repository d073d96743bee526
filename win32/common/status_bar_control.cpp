#include "win32/common/status_bar_control.h"

#include "win32/common/dpi.h"
#include "files/wide_names.h"

#include <commctrl.h>

namespace trelvo::win32 {
namespace {

// The part's borders and a little air on either side of its text, at 96 dpi.
constexpr int kTextPadding = 12;

} // namespace

StatusBarControl::StatusBarControl(HWND parent, int id) {
    bar_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
    SetDpi(WindowDpi(parent));
}

StatusBarControl::~StatusBarControl() {
    if (::IsWindow(bar_))
        ::DestroyWindow(bar_);
    if (font_)
        ::DeleteObject(font_);
}

int StatusBarControl::Height() const {
    RECT place{};
    ::GetWindowRect(bar_, &place);
    return place.bottom - place.top;
}

void StatusBarControl::SetParts(const std::vector<int>& rightEdges) {
    ::SendMessageW(bar_, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void StatusBarControl::SetText(int part, const std::string& text) {
    const std::wstring wide = WideName(text);
    ::SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string StatusBarControl::Text(int part) const {
    const LRESULT length = LOWORD(::SendMessageW(bar_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(bar_, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Utf8Name(text);
}

RECT StatusBarControl::PartPlace(int part) const {
    RECT place{};
    ::SendMessageW(bar_, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&place));
    return place;
}

int StatusBarControl::TextWidth(const std::string& text) const {
    if (text.empty())
        return 0;
    const std::wstring wide = WideName(text);
    const HDC dc = ::GetDC(bar_);
    const HGDIOBJ previous = ::SelectObject(dc, font_);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    ::SelectObject(dc, previous);
    ::ReleaseDC(bar_, dc);
    return extent.cx + Scaled(kTextPadding, WindowDpi(bar_));
}

void StatusBarControl::Relayout() { ::SendMessageW(bar_, WM_SIZE, 0, 0); }

// The bar takes its height from its font.
void StatusBarControl::SetDpi(UINT dpi) {
    const HFONT previous = font_;
    font_ = CreateStatusFont(dpi);
    ::SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (previous)
        ::DeleteObject(previous);
    Relayout();
}

} // namespace trelvo::win32
