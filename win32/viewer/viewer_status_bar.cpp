#include "win32/viewer/viewer_status_bar.h"

#include "win32/common/dpi.h"
#include "viewer/viewer_texts.h"

namespace trelvo::win32 {
namespace {

constexpr int kGripWidth = 20; // at 96 dpi

} // namespace

ViewerStatusBar::ViewerStatusBar(HWND parent, HINSTANCE, int id) : bar_(parent, id) {
    texts_[kHover] = viewer::kViewHint;
    SetParts();
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
    bar_.Relayout();
    SetParts();
}

void ViewerStatusBar::SetDpi(UINT dpi) {
    bar_.SetDpi(dpi);
    SetParts();
}

// Right edges from the right: the summary, then the equilibrium check (none while
// hovering); the pointer's line has the rest.
void ViewerStatusBar::SetParts() {
    RECT client{};
    ::GetClientRect(bar_.Handle(), &client);
    const int summaryEdge = client.right - win32::Scaled(kGripWidth, win32::WindowDpi(bar_.Handle()));
    const int equilibriumEdge = summaryEdge - bar_.TextWidth(texts_[kSummary]);
    const int hoverEdge = equilibriumEdge - (hovering_ ? 0 : bar_.TextWidth(texts_[kEquilibrium]));
    bar_.SetParts({hoverEdge, equilibriumEdge, -1});
    for (int part = 0; part < kPartCount; ++part)
        bar_.SetText(part, Text(static_cast<Part>(part)));
}

} // namespace trelvo::win32
