#include "truss_view.h"

#include "hover_text.h"
#include "picking.h"
#include "view_fit.h"
#include "viewer_texts.h"
#include "window_class.h"

#include <windowsx.h>

#include <cmath>

namespace trelvo::vantrel_win32 {
namespace {

constexpr double kZoomPerWheelUnit = 1.0025; // a wheel unit is an eighth of a degree
constexpr double kKeyRotationPixels = 12.0;
constexpr int kMessageMargin = 40;
constexpr int kMessageFontPixels = 14;
constexpr COLORREF kMessageColour = RGB(90, 90, 90);

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

} // namespace

TrussView::TrussView(HWND parent, HINSTANCE instance, int id) : message_(viewer::kOpenPrompt) {
    const char* className = win32::RegisterWindowClass(instance, "VantrelTrussView", &WindowProc, false);
    window_ = ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

TrussView::~TrussView() {
    if (::IsWindow(window_)) {
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0); // no messages for a view that is gone
        ::DestroyWindow(window_);
    }
}

void TrussView::SetModel(viewer::ViewerModel model, double magnification) {
    model_ = std::move(model);
    options_.magnification = magnification;
    options_.hoverNode.reset();
    options_.hoverElement.reset();
    hits_ = {};
    ResetView();
}

void TrussView::ShowMessage(const std::string& text) {
    model_.reset();
    message_ = text;
    hits_ = {};
    ::InvalidateRect(window_, nullptr, FALSE);
}

void TrussView::SetMagnification(double magnification) {
    options_.magnification = magnification;
    ::InvalidateRect(window_, nullptr, FALSE);
}

void TrussView::SetOption(bool viewer::ViewOptions::*option, bool on) {
    options_.*option = on;
    ::InvalidateRect(window_, nullptr, FALSE);
}

void TrussView::SetCamera(const viewer::Camera& camera) {
    camera_ = camera;
    Changed();
}

void TrussView::ResetView() {
    fitPending_ = true;
    ::InvalidateRect(window_, nullptr, FALSE);
}

void TrussView::Rotate(double dx, double dy) {
    camera_.Rotate(dx, dy);
    Changed();
}

// The camera was moved by hand: the view no longer waits to be fitted.
void TrussView::Changed() {
    fitPending_ = false;
    ::InvalidateRect(window_, nullptr, FALSE);
}

SIZE TrussView::ClientSize() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    return SIZE{client.right, client.bottom};
}

viewer::Scene TrussView::ExportScene(SIZE size) const {
    if (!model_)
        return viewer::Scene{};
    viewer::ViewOptions options = options_;
    options.hoverNode.reset();
    options.hoverElement.reset();
    return viewer::BuildScene(*model_, camera_, options, size.cx, size.cy);
}

void TrussView::Render() {
    const SIZE size = ClientSize();
    if (!picture_ || picture_->Size().cx != size.cx || picture_->Size().cy != size.cy)
        picture_ = SceneBitmap::Make(size);
    if (!picture_)
        return;
    if (!model_) {
        RenderMessage();
        return;
    }
    if (fitPending_) {
        viewer::ResetCamera(camera_, *model_, options_.magnification, size.cx, size.cy);
        fitPending_ = false;
    }
    const viewer::Scene scene = viewer::BuildScene(*model_, camera_, options_, size.cx, size.cy);
    picture_->Paint(scene);
    hits_ = scene.hits;
}

void TrussView::RenderMessage() {
    const HDC dc = picture_->DeviceContext();
    RECT area{0, 0, picture_->Size().cx, picture_->Size().cy};
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const HFONT font = ::CreateFontA(-kMessageFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    const HGDIOBJ previous = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kMessageColour);
    ::InflateRect(&area, -kMessageMargin, -kMessageMargin);
    // Centred as a block: measured first, then placed in the middle of the area.
    RECT block = area;
    ::DrawTextA(dc, message_.c_str(), -1, &block, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    ::OffsetRect(&block, (area.right - block.right) / 2 + (area.left - block.left) / 2,
                 (area.top + area.bottom - block.top - block.bottom) / 2);
    ::DrawTextA(dc, message_.c_str(), -1, &block, DT_CENTER | DT_WORDBREAK);
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

// Keeps the model where it was relative to the plot's centre.
void TrussView::OnSize(SIZE size) {
    if (size_.cx > 0 && size_.cy > 0) {
        const viewer::Rect before = viewer::PlotArea(size_.cx, size_.cy);
        const viewer::Rect after = viewer::PlotArea(size.cx, size.cy);
        camera_.Pan(after.Centre().x - before.Centre().x, after.Centre().y - before.Centre().y);
    }
    size_ = size;
    ::InvalidateRect(window_, nullptr, FALSE);
}

void TrussView::OnButtonDown(Drag drag, POINT at) {
    ::SetFocus(window_);
    ::SetCapture(window_);
    lastPointer_ = at;
    drag_ = drag;
}

void TrussView::OnMouseMove(POINT at) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    const double dx = at.x - lastPointer_.x, dy = at.y - lastPointer_.y;
    lastPointer_ = at;
    if (drag_ == Drag::Rotate)
        camera_.Rotate(dx, dy);
    else if (drag_ == Drag::Pan)
        camera_.Pan(dx, dy);
    if (drag_ != Drag::None) {
        Changed();
        return;
    }
    UpdateHover(at);
}

void TrussView::OnWheel(int delta, POINT screenAt) {
    ::ScreenToClient(window_, &screenAt);
    camera_.ZoomAt(std::pow(kZoomPerWheelUnit, delta), {double(screenAt.x), double(screenAt.y)});
    Changed();
}

bool TrussView::OnKey(WPARAM key) {
    switch (key) {
    case VK_HOME:
        ResetView();
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        Rotate(key == VK_LEFT ? -kKeyRotationPixels : kKeyRotationPixels, 0.0);
        return true;
    case VK_UP:
    case VK_DOWN:
        Rotate(0.0, key == VK_UP ? -kKeyRotationPixels : kKeyRotationPixels);
        return true;
    default:
        return false;
    }
}

void TrussView::UpdateHover(POINT at) {
    if (!model_)
        return;
    const auto pick = viewer::PickAt(hits_, {double(at.x), double(at.y)});
    if (!pick) {
        SetHover(std::nullopt, std::nullopt, "");
        return;
    }
    const std::string text = viewer::DescribePick(*model_, *pick);
    if (pick->kind == viewer::Pick::Kind::Node)
        SetHover(pick->number, std::nullopt, text);
    else
        SetHover(std::nullopt, pick->number, text);
}

void TrussView::SetHover(std::optional<int> node, std::optional<int> element, const std::string& text) {
    if (options_.hoverNode == node && options_.hoverElement == element)
        return;
    options_.hoverNode = node;
    options_.hoverElement = element;
    if (hoverChanged_)
        hoverChanged_(text);
    ::InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK TrussView::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::WindowObject<TrussView>(window, message, lParam);
    if (!self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    self->window_ = window; // already during creation, before CreateWindowExA returns
    return self->HandleMessage(message, wParam, lParam);
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
        OnButtonDown((wParam & MK_SHIFT) ? Drag::Pan : Drag::Rotate, PointOf(lParam));
        return 0;
    case WM_MBUTTONDOWN:
        OnButtonDown(Drag::Pan, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
        drag_ = Drag::None;
        ::ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        drag_ = Drag::None;
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        SetHover(std::nullopt, std::nullopt, "");
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
    return ::DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace trelvo::vantrel_win32
