#include "toolbar.h"

#include "command_table.h"
#include "commands_ui.h"
#include "tooltip_text.h"
#include "window_class.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

namespace trelvo::win32 {
namespace {

constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kSeparatorWidth = 8;
constexpr int kButtonTop = 4; // below the divider line along the top
constexpr int kPictureInset = (kButtonWidth - ToolbarPictures::kSize) / 2;
constexpr CommandId kNone{};

// The face of a checked button: the classic pattern of the face and the highlight,
// every other pixel.
HBRUSH MakeCheckedFace() {
    static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    const HBITMAP bits = ::CreateBitmap(8, 8, 1, 1, pattern);
    const HBRUSH brush = ::CreatePatternBrush(bits);
    ::DeleteObject(bits);
    return brush;
}

} // namespace

Toolbar::Toolbar(HWND parent, int id, HINSTANCE instance) : pictures_(instance), checkedFace_(MakeCheckedFace()) {
    LayOutButtons();
    const char* className = RegisterWindowClass(instance, "TrelvoToolbar", &WindowProc, false);
    RECT client{};
    ::GetClientRect(parent, &client);
    toolbar_ = ::CreateWindowExA(0, className, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                                 client.right, kHeight, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

Toolbar::~Toolbar() {
    if (::IsWindow(tooltips_))
        ::DestroyWindow(tooltips_);
    if (::IsWindow(toolbar_))
        ::DestroyWindow(toolbar_);
    if (checkedFace_)
        ::DeleteObject(checkedFace_);
}

void Toolbar::LayOutButtons() {
    int left = 0;
    for (const ToolbarEntry& entry : ToolbarLayout()) {
        Button button;
        const int width = entry.separator ? kSeparatorWidth : kButtonWidth;
        button.place = RECT{left, kButtonTop, left + width, kButtonTop + kButtonHeight};
        left += width;
        if (!entry.separator) {
            button.id = entry.id;
            button.image = ImageIndex(entry.id, entry.placeholder);
            button.placeholder = entry.placeholder;
            button.toggle = !entry.placeholder && CommandInfoOf(entry.id).toggle;
            button.enabled = !entry.placeholder;
        }
        buttons_.push_back(button);
    }
}

int Toolbar::ImageIndex(CommandId id, bool placeholder) const {
    const ButtonImage image = placeholder ? ButtonImage::Icon6 : CommandInfoOf(id).image;
    if (const std::optional<int> standard = StandardImageIndex(image))
        return *standard;
    if (HasOwnPictures())
        return pictures_.OwnFirst() + OwnPictureIndex(image).value_or(0);
    return StandInImageIndex(image).value_or(-1);
}

Toolbar::Button* Toolbar::Find(CommandId id) {
    return const_cast<Button*>(std::as_const(*this).Find(id));
}

const Toolbar::Button* Toolbar::Find(CommandId id) const {
    for (const Button& button : buttons_)
        if (button.id == id && id != kNone)
            return &button;
    return nullptr;
}

const Toolbar::Button* Toolbar::At(POINT point) const {
    for (const Button& button : buttons_)
        if (button.id != kNone && ::PtInRect(&button.place, point))
            return &button;
    return nullptr;
}

void Toolbar::SetEnabled(CommandId id, bool enabled) {
    Button* button = Find(id);
    if (!button || button->placeholder || button->enabled == enabled) // placeholders stay disabled
        return;
    button->enabled = enabled;
    Redraw(button);
}

bool Toolbar::IsEnabled(CommandId id) const {
    const Button* button = Find(id);
    return button && button->enabled;
}

void Toolbar::SetChecked(CommandId id, bool checked) {
    Button* button = Find(id);
    if (!button || button->checked == checked)
        return;
    button->checked = checked;
    Redraw(button);
}

bool Toolbar::IsChecked(CommandId id) const {
    const Button* button = Find(id);
    return button && button->checked;
}

int Toolbar::ImageOf(CommandId id) const {
    const Button* button = Find(id);
    return button ? button->image : -1;
}

void Toolbar::Relayout() {
    RECT client{};
    ::GetClientRect(::GetParent(toolbar_), &client);
    ::MoveWindow(toolbar_, 0, 0, client.right, kHeight, TRUE);
}

const char* Toolbar::TooltipOf(UINT_PTR id) {
    for (const CommandInfo& info : Commands())
        if (static_cast<UINT_PTR>(info.id) == id && !info.tooltip.empty())
            return info.tooltip.data(); // the table's texts are string literals
    return nullptr;
}

LRESULT CALLBACK Toolbar::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AnswerForObject(window, message, wParam, lParam, &Toolbar::toolbar_, &Toolbar::HandleMessage);
}

LRESULT Toolbar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = ::BeginPaint(toolbar_, &paint);
        Paint(dc);
        ::EndPaint(toolbar_, &paint);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!tooltips_)
            MakeTooltips(wParam, lParam);
        OnMouseMove(point);
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        SetHot(nullptr);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (const Button* button = At(point); button && button->enabled) {
            pressed_ = button->id;
            ::SetCapture(toolbar_);
            Redraw(button);
        }
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(point);
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_ != kNone)
            Redraw(Find(std::exchange(pressed_, kNone)));
        return 0;
    case WM_NOTIFY:
        if (AnswerTooltipText(lParam, TooltipOf(reinterpret_cast<NMHDR*>(lParam)->idFrom)))
            return 0;
        break;
    default:
        break;
    }
    return ::DefWindowProcA(toolbar_, message, wParam, lParam);
}

void Toolbar::OnMouseMove(POINT point) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, toolbar_, 0};
        tracking_ = ::TrackMouseEvent(&track) != FALSE;
    }
    SetHot(At(point));
}

// The command goes out last: it may end the window, and this toolbar with it.
void Toolbar::OnButtonUp(POINT point) {
    if (pressed_ == kNone)
        return;
    Button* button = Find(std::exchange(pressed_, kNone));
    ::ReleaseCapture();
    Redraw(button);
    if (!button || At(point) != button || !button->enabled)
        return;
    if (button->toggle)
        SetChecked(button->id, !button->checked);
    ::SendMessageA(::GetParent(toolbar_), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(button->id), BN_CLICKED),
                   reinterpret_cast<LPARAM>(toolbar_));
}

void Toolbar::SetHot(const Button* button) {
    const CommandId id = button ? button->id : kNone;
    if (id == hot_)
        return;
    Redraw(Find(std::exchange(hot_, id)));
    Redraw(button);
}

void Toolbar::Redraw(const Button* button) const {
    if (button)
        ::InvalidateRect(toolbar_, &button->place, FALSE);
}

void Toolbar::Paint(HDC dc) const {
    RECT divider{};
    ::GetClientRect(toolbar_, &divider);
    ::DrawEdge(dc, &divider, EDGE_ETCHED, BF_TOP);
    for (const Button& button : buttons_)
        PaintButton(dc, button);
}

// A one-bit pattern brush paints its clear bits in the text colour, its set bits in the
// background colour.
void Toolbar::FillFace(HDC dc, const RECT& place, bool checked) const {
    if (!checked) {
        ::FillRect(dc, &place, ::GetSysColorBrush(COLOR_3DFACE));
        return;
    }
    const COLORREF text = ::SetTextColor(dc, ::GetSysColor(COLOR_3DFACE));
    const COLORREF background = ::SetBkColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
    ::FillRect(dc, &place, checkedFace_);
    ::SetTextColor(dc, text);
    ::SetBkColor(dc, background);
}

// Flat: a plain button shows only its picture; an edge rises under the pointer and sinks
// while pressed or checked.
void Toolbar::PaintButton(HDC dc, const Button& button) const {
    RECT place = button.place;
    if (button.id == kNone) { // a separator: an etched line down its middle
        RECT line{place.left + kSeparatorWidth / 2 - 1, place.top + 1, place.right, place.bottom - 1};
        ::DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
        return;
    }
    const bool pressed = pressed_ == button.id && hot_ == button.id;
    const bool sunk = pressed || button.checked;
    FillFace(dc, place, button.checked && !pressed);
    if (sunk)
        ::DrawEdge(dc, &place, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ == button.id && button.enabled && pressed_ == kNone)
        ::DrawEdge(dc, &place, BDR_RAISEDINNER, BF_RECT);
    const int shift = sunk ? 1 : 0;
    const POINT at{place.left + kPictureInset + shift, place.top + (kButtonHeight - ToolbarPictures::kSize) / 2 + shift};
    pictures_.Draw(dc, button.image, at, !button.enabled);
}

// The tooltips watch the toolbar's mouse messages from here on; the move that made them
// has passed them by, so it is handed on.
void Toolbar::MakeTooltips(WPARAM wParam, LPARAM lParam) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    if (!::InitCommonControlsEx(&controls))
        return;
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(toolbar_, GWLP_HINSTANCE));
    tooltips_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, toolbar_,
                                  nullptr, instance, nullptr);
    if (!tooltips_)
        return;
    for (const Button& button : buttons_) {
        if (button.id == kNone || !TooltipOf(static_cast<UINT_PTR>(button.id)))
            continue;
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE; // what every version of the control takes
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = toolbar_;
        tool.uId = static_cast<UINT_PTR>(button.id);
        tool.rect = button.place;
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        ::SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    MSG move{toolbar_, WM_MOUSEMOVE, wParam, lParam, 0, {}};
    ::SendMessageA(tooltips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

} // namespace trelvo::win32
