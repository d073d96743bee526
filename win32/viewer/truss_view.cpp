#include "win32/viewer/truss_view.h"

#include "win32/common/dpi.h"
#include "viewer/viewer_core.h"
#include "files/wide_names.h"
#include "win32/common/window_class.h"

#include <windowsx.h>

#include <optional>

namespace trelvo::win32 {
namespace {

constexpr int kMessageMargin = 40;
constexpr int kMessageFontPixels = 14;
constexpr viewer::Rgb kMessageColour{90, 90, 90};

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
COLORREF ColorRef(viewer::Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

std::optional<viewer::CameraKey> CameraKeyOf(WPARAM key) {
    switch (key) {
    case VK_HOME: return viewer::CameraKey::Home;
    case VK_LEFT: return viewer::CameraKey::Left;
    case VK_RIGHT: return viewer::CameraKey::Right;
    case VK_UP: return viewer::CameraKey::Up;
    case VK_DOWN: return viewer::CameraKey::Down;
    default: return std::nullopt;
    }
}

} // namespace

TrussView::TrussView(viewer::ViewerCore& core, HWND parent, HINSTANCE instance, int id) : core_(core) {
    const wchar_t* className = win32::RegisterWindowClass(instance, L"VantrelTrussView", &WindowProc);
    window_ = ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    dpi_ = win32::WindowDpi(parent);
    UseScreenColours();
}

TrussView::~TrussView() {
    if (::IsWindow(window_)) {
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0); // no messages for a view that is gone
        ::DestroyWindow(window_);
    }
}

void TrussView::SetDpi(UINT dpi) {
    dpi_ = dpi;
    Invalidate();
}

void TrussView::SetNeutralColours(const viewer::NeutralColours& colours) {
    if (colours == core_.State().Options().neutral)
        return;
    core_.State().SetNeutralColours(colours);
    Invalidate();
}

void TrussView::Invalidate() {
    ::InvalidateRect(window_, nullptr, FALSE);
}

SIZE TrussView::ClientSize() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    return SIZE{client.right, client.bottom};
}

double TrussView::Scale() const {
    return win32::DpiScale(dpi_);
}

viewer::Point2 TrussView::SceneSize() const {
    const SIZE size = ClientSize();
    return {size.cx / Scale(), size.cy / Scale()};
}

viewer::Point2 TrussView::ScenePoint(POINT at) const {
    return {at.x / Scale(), at.y / Scale()};
}

viewer::Scene TrussView::ExportScene() const {
    const viewer::Point2 size = SceneSize();
    return core_.State().ExportScene(size.x, size.y);
}

void TrussView::Render() {
    const SIZE size = ClientSize();
    if (!picture_ || picture_->Size().cx != size.cx || picture_->Size().cy != size.cy)
        picture_ = SceneBitmap::Make(size);
    if (!picture_)
        return;
    const viewer::Point2 sceneSize = SceneSize();
    if (!core_.State().Model())
        RenderMessage();
    else
        picture_->Paint(core_.State().ShownScene(sceneSize.x, sceneSize.y), Scale());
}

void TrussView::RenderMessage() {
    const HDC dc = picture_->DeviceContext();
    RECT area{0, 0, picture_->Size().cx, picture_->Size().cy};
    const viewer::NeutralColours& colours = core_.State().Options().neutral;
    const HBRUSH ground = ::CreateSolidBrush(ColorRef(colours.Ground(viewer::palette::kBackground)));
    ::FillRect(dc, &area, ground);
    ::DeleteObject(ground);
    const HFONT font = ::CreateFontW(-win32::Scaled(kMessageFontPixels, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                     FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
    const HGDIOBJ previous = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorRef(colours.Ink(kMessageColour)));
    ::InflateRect(&area, -win32::Scaled(kMessageMargin, dpi_), -win32::Scaled(kMessageMargin, dpi_));
    // The message may name a file: UTF-8, as the viewer holds names.
    const std::wstring text = WideName(core_.ViewMessage());
    // Centred as a block: measured first, then placed in the middle of the area.
    RECT block = area;
    ::DrawTextW(dc, text.c_str(), -1, &block, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    ::OffsetRect(&block, (area.right - block.right) / 2 + (area.left - block.left) / 2,
                 (area.top + area.bottom - block.top - block.bottom) / 2);
    ::DrawTextW(dc, text.c_str(), -1, &block, DT_CENTER | DT_WORDBREAK);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
}

void TrussView::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(window_, &paint);
    Render();
    if (picture_)
        ::BitBlt(dc, 0, 0, picture_->Size().cx, picture_->Size().cy, picture_->DeviceContext(), 0, 0, SRCCOPY);
    ::EndPaint(window_, &paint);
}

// The first WM_SIZE, from nothing, has no view to keep in place.
void TrussView::OnSize(SIZE size) {
    const viewer::Point2 sceneSize{size.cx / Scale(), size.cy / Scale()};
    if (sceneSize_.x > 0 && sceneSize_.y > 0)
        core_.State().Resize(sceneSize_.x, sceneSize_.y, sceneSize.x, sceneSize.y);
    sceneSize_ = sceneSize;
    Invalidate();
}

void TrussView::OnButtonDown(viewer::Drag drag, POINT at) {
    ::SetFocus(window_);
    ::SetCapture(window_);
    core_.State().BeginDrag(drag, ScenePoint(at));
}

void TrussView::OnButtonUp() {
    core_.State().EndDrag();
    ::ReleaseCapture();
}

void TrussView::OnMouseMove(POINT at) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    core_.PointerAt(ScenePoint(at));
}

// The wheel's delta is in the view's wheel units, eighths of a degree.
void TrussView::OnWheel(int delta, POINT screenAt) {
    ::ScreenToClient(window_, &screenAt);
    core_.State().ZoomAt(delta, ScenePoint(screenAt));
    Invalidate();
}

bool TrussView::OnKey(WPARAM key) {
    const std::optional<viewer::CameraKey> cameraKey = CameraKeyOf(key);
    if (cameraKey)
        core_.PressCameraKey(*cameraKey);
    return cameraKey.has_value();
}

LRESULT CALLBACK TrussView::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return win32::AnswerForObject(window, message, wParam, lParam, &TrussView::window_, &TrussView::HandleMessage);
}

LRESULT TrussView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND: // the picture covers the whole window
        return 1;
    case WM_SIZE:
        OnSize(SIZE{LOWORD(lParam), HIWORD(lParam)});
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDown((wParam & MK_SHIFT) ? viewer::Drag::Pan : viewer::Drag::Rotate, PointOf(lParam));
        return 0;
    case WM_MBUTTONDOWN:
        OnButtonDown(viewer::Drag::Pan, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        core_.State().EndDrag();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        core_.PointerLeft();
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (OnKey(wParam))
            return 0;
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace trelvo::win32
