#include "status_bar.h"

#include "window_class.h"

#include <windowsx.h>

#include <algorithm>

namespace trelvo::win32 {
namespace {

// Right edges of the two fields.
constexpr int kFieldEdges[StatusBar::kFieldCount] = {120, 120 + 450};
constexpr int kTopBorder = 2;
constexpr int kFieldGap = 2;
constexpr int kTextMargin = 3;

int BarHeight(HFONT font) {
    TEXTMETRICA metrics{};
    const HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, font);
    ::GetTextMetricsA(screen, &metrics);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return std::max<int>(metrics.tmHeight + kTopBorder + 2 * kTextMargin + 1, 20);
}

} // namespace

StatusBar::StatusBar(HWND parent, int id, HINSTANCE instance)
    : font_(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), height_(BarHeight(font_)) {
    const char* className = RegisterWindowClass(instance, "TrelvoStatusBar", &WindowProc, false);
    RECT client{};
    ::GetClientRect(parent, &client);
    bar_ = ::CreateWindowExA(0, className, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                             client.bottom - height_, client.right, height_, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

StatusBar::~StatusBar() {
    if (::IsWindow(bar_))
        ::DestroyWindow(bar_);
}

void StatusBar::Clear() {
    for (int field = 0; field < kFieldCount; ++field)
        SetText(field, "");
}

void StatusBar::SetText(int field, const std::string& text) {
    if (field < 0 || field >= kFieldCount || texts_[static_cast<std::size_t>(field)] == text)
        return;
    texts_[static_cast<std::size_t>(field)] = text;
    const RECT place = FieldPlace(field);
    ::InvalidateRect(bar_, &place, FALSE);
}

std::string StatusBar::Text(int field) const {
    return field >= 0 && field < kFieldCount ? texts_[static_cast<std::size_t>(field)] : std::string();
}

RECT StatusBar::FieldPlace(int field) const {
    const int left = field > 0 ? kFieldEdges[field - 1] : 0;
    return RECT{left, kTopBorder, kFieldEdges[field] - kFieldGap, height_};
}

void StatusBar::Relayout() {
    RECT client{};
    ::GetClientRect(::GetParent(bar_), &client);
    ::MoveWindow(bar_, 0, client.bottom - height_, client.right, height_, TRUE);
}

bool StatusBar::ShowsGrip() const { return !::IsZoomed(::GetParent(bar_)); }

RECT StatusBar::GripPlace() const {
    RECT client{};
    ::GetClientRect(bar_, &client);
    const int size = std::min<int>(::GetSystemMetrics(SM_CXVSCROLL), height_);
    return RECT{client.right - size, client.bottom - size, client.right, client.bottom};
}

bool StatusBar::InGrip(LPARAM screenPoint) const {
    POINT point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ::ScreenToClient(bar_, &point);
    const RECT grip = GripPlace();
    return ShowsGrip() && ::PtInRect(&grip, point);
}

LRESULT CALLBACK StatusBar::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AnswerForObject(window, message, wParam, lParam, &StatusBar::bar_, &StatusBar::HandleMessage);
}

// The grip answers as the window's bottom right corner would; a press on it is handed to
// the window as the start of sizing from that corner.
LRESULT StatusBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = ::BeginPaint(bar_, &paint);
        Paint(dc);
        ::EndPaint(bar_, &paint);
        return 0;
    }
    case WM_NCHITTEST:
        if (InGrip(lParam))
            return HTBOTTOMRIGHT;
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTBOTTOMRIGHT) {
            ::SendMessageA(::GetParent(bar_), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, lParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcA(bar_, message, wParam, lParam);
}

void StatusBar::Paint(HDC dc) const {
    const HGDIOBJ previousFont = ::SelectObject(dc, font_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    for (int field = 0; field < kFieldCount; ++field) {
        RECT place = FieldPlace(field);
        ::FillRect(dc, &place, ::GetSysColorBrush(COLOR_3DFACE));
        ::DrawEdge(dc, &place, BDR_SUNKENOUTER, BF_RECT);
        RECT text{place.left + kTextMargin, place.top + 1, place.right - kTextMargin, place.bottom - 1};
        const std::string& value = texts_[static_cast<std::size_t>(field)];
        ::DrawTextA(dc, value.c_str(), static_cast<int>(value.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (ShowsGrip()) {
        RECT grip = GripPlace();
        ::DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    ::SelectObject(dc, previousFont);
}

} // namespace trelvo::win32
