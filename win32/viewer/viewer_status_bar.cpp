#include "win32/viewer/viewer_status_bar.h"

#include "win32/common/dpi.h"

namespace trelvo::win32 {
namespace {

constexpr int kGripWidth = 20; // at 96 dpi

} // namespace

ViewerStatusBar::ViewerStatusBar(HWND parent, HINSTANCE, int id) : bar_(parent, id) {
    SetParts();
}

void ViewerStatusBar::Show(const viewer::ViewerStatus& status) {
    status_ = status;
    SetParts();
}

std::string ViewerStatusBar::Text(Part part) const {
    switch (part) {
    case kHover: return status_.hover;
    case kEquilibrium: return status_.equilibriumShown ? status_.equilibrium : std::string();
    default: return status_.summary;
    }
}

void ViewerStatusBar::Relayout() {
    bar_.Relayout();
    SetParts();
}

void ViewerStatusBar::SetDpi(UINT dpi) {
    bar_.SetDpi(dpi);
    SetParts();
}

// Right edges from the right: the summary, then the equilibrium check (none while it is
// not shown); the pointer's line has the rest.
void ViewerStatusBar::SetParts() {
    RECT client{};
    ::GetClientRect(bar_.Handle(), &client);
    const int summaryEdge = client.right - win32::Scaled(kGripWidth, win32::WindowDpi(bar_.Handle()));
    const int equilibriumEdge = summaryEdge - bar_.TextWidth(status_.summary);
    const int hoverEdge = equilibriumEdge - (status_.equilibriumShown ? bar_.TextWidth(status_.equilibrium) : 0);
    bar_.SetParts({hoverEdge, equilibriumEdge, -1});
    for (int part = 0; part < kPartCount; ++part)
        bar_.SetText(part, Text(static_cast<Part>(part)));
}

} // namespace trelvo::win32
