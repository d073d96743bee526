#include "viewer_status_bar.h"

#include "viewer_texts.h"

#include <commctrl.h>

namespace trelvo::vantrel_win32 {
namespace {

constexpr int kPartPadding = 16; // the part's borders and a little air
constexpr int kGripWidth = 20;

} // namespace

ViewerStatusBar::ViewerStatusBar(HWND parent, HINSTANCE instance, int id) {
    bar_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    texts_[kHover] = viewer::kViewHint;
    SetParts();
}

ViewerStatusBar::~ViewerStatusBar() {
    if (::IsWindow(bar_))
        ::DestroyWindow(bar_);
}

int ViewerStatusBar::Height() const {
    RECT place{};
    ::GetWindowRect(bar_, &place);
    return place.bottom - place.top;
}

void ViewerStatusBar::SetHover(const std::string& text) {
    hovering_ = !text.empty();
    texts_[kHover] = hovering_ ? text : viewer::kViewHint;
    SetParts();
}

void ViewerStatusBar::SetEquilibrium(const std::string& text) {
    texts_[kEquilibrium] = text;
    SetParts();
}

void ViewerStatusBar::SetSummary(const std::string& text) {
    texts_[kSummary] = text;
    SetParts();
}

std::string ViewerStatusBar::Text(Part part) const {
    return part == kEquilibrium && hovering_ ? std::string() : texts_[part];
}

void ViewerStatusBar::Relayout() {
    ::SendMessageA(bar_, WM_SIZE, 0, 0);
    SetParts();
}

int ViewerStatusBar::TextWidth(const std::string& text) const {
    if (text.empty())
        return 0;
    const HDC dc = ::GetDC(bar_);
    const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(bar_, WM_GETFONT, 0, 0)));
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, previous);
    ::ReleaseDC(bar_, dc);
    return extent.cx + kPartPadding;
}

// Right edges from the right: the summary, then the equilibrium check (none while
// hovering); the pointer's line has the rest.
void ViewerStatusBar::SetParts() {
    RECT client{};
    ::GetClientRect(bar_, &client);
    const int summaryEdge = client.right - kGripWidth;
    const int equilibriumEdge = summaryEdge - TextWidth(texts_[kSummary]);
    const int hoverEdge = equilibriumEdge - (hovering_ ? 0 : TextWidth(texts_[kEquilibrium]));
    const int edges[kPartCount] = {hoverEdge, equilibriumEdge, -1};
    ::SendMessageA(bar_, SB_SETPARTS, kPartCount, reinterpret_cast<LPARAM>(edges));
    for (int part = 0; part < kPartCount; ++part)
        ::SendMessageA(bar_, SB_SETTEXTA, static_cast<WPARAM>(part),
                       reinterpret_cast<LPARAM>(Text(static_cast<Part>(part)).c_str()));
}

} // namespace trelvo::vantrel_win32
