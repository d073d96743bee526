#include "win32/editor/help_window.h"

#include "win32/common/dpi.h"
#include "editor/help_texts.h"
#include "files/wide_names.h"
#include "win32/common/program_resource_ids.h"
#include "win32/common/window_class.h"

namespace trelvo::win32 {
namespace {

constexpr SIZE kClientSize{460, 340};
constexpr RECT kLabelPlace{5, 5, 5 + 450, 5 + 330};
// A title bar only: no system menu, no close box, no minimise or maximise box, no sizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION;
// How a left-aligned static label draws its text.
constexpr UINT kLabelFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
constexpr int kLargestPoints = 8;
constexpr int kSmallestPoints = 5;

} // namespace

HWND HelpWindow::Handle() {
    if (window_)
        return window_;
    const wchar_t* className = RegisterWindowClass(instance_, L"TrelvoHelpWindow", &WindowProc, TRELVO_PROGRAM_ICON);
    window_ = CreateCentredWindow(instance_, className, kWindowTitle, kClientSize, kStyle, this);
    label_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", WideName(HelpText()).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, window_, nullptr,
                               instance_, nullptr);
    FitToDpi(WindowDpi(window_));
    return window_;
}

// The label at its place and the fitting font for the window's DPI.
void HelpWindow::FitToDpi(UINT dpi) {
    const RECT place = Scaled(kLabelPlace, dpi);
    ::MoveWindow(label_, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    const HFONT previous = font_;
    font_ = FittingLabelFont(label_, HelpText(), dpi);
    ::SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (previous)
        ::DeleteObject(previous);
}

HelpWindow::~HelpWindow() {
    if (::IsWindow(window_))
        ::DestroyWindow(window_);
    if (font_)
        ::DeleteObject(font_);
}

void HelpWindow::Show(bool shown) {
    if (!shown) {
        if (window_)
            ::ShowWindow(window_, SW_HIDE);
        return;
    }
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(window_);
}

LRESULT CALLBACK HelpWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject<HelpWindow>(window, message, lParam);
    if (self && message == WM_CLOSE) {
        if (self->closeRequested_)
            self->closeRequested_();
        return 0;
    }
    if (self && message == WM_DPICHANGED && self->label_) {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        self->FitToDpi(HIWORD(wParam));
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool LabelTextFits(HFONT font, const std::string& text, SIZE area) {
    const HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, font);
    RECT needed{0, 0, area.cx, 0};
    const std::wstring characters = WideName(text);
    ::DrawTextW(screen, characters.c_str(), static_cast<int>(characters.size()), &needed,
                kLabelFormat | DT_CALCRECT);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return needed.right <= area.cx && needed.bottom <= area.cy;
}

HFONT FittingLabelFont(HWND label, const std::string& text, UINT dpi) {
    LOGFONTW face{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    RECT client{};
    ::GetClientRect(label, &client);
    const SIZE area{client.right, client.bottom};
    const int smallest = ::MulDiv(kSmallestPoints, static_cast<int>(dpi), 72);
    for (int pixels = ::MulDiv(kLargestPoints, static_cast<int>(dpi), 72);; --pixels) {
        face.lfHeight = -pixels;
        face.lfWidth = 0;
        const HFONT font = ::CreateFontIndirectW(&face);
        if (pixels <= smallest || LabelTextFits(font, text, area))
            return font;
        ::DeleteObject(font);
    }
}

} // namespace trelvo::win32
