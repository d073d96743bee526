#include "win32/viewer/viewer_toolbar.h"

#include "win32/common/dpi.h"
#include "files/wide_names.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace trelvo::win32 {
namespace {

// Measures at 96 dpi.
constexpr int kLabelWidth = 84;
constexpr int kBoxWidth = 110;
constexpr int kBoxHeight = 22;
constexpr int kGapId = 1; // the gap's separator, found by this number
constexpr int kBoxId = 200;

struct ToolEntry {
    ViewerCommand id;
    const char* text; // short, so that the box still fits beside the buttons
    int picture;      // a standard picture; -1 for text alone
};

using C = ViewerCommand;
constexpr ToolEntry kSeparator{C{}, nullptr, -1};
const ToolEntry kButtons[] = {
    {C::Open, "Open", STD_FILEOPEN},
    {C::ExportPng, "Export PNG", STD_FILESAVE},
    {C::ExportSvg, "Export SVG", -1},
    {C::Print, "Print", -1},
    kSeparator,
    {C::ResetView, "Reset View", STD_UNDO},
    kSeparator,
    {C::NodeNumbers, "Node No.", -1},
    {C::ElementNumbers, "Element No.", -1},
    {C::Undeformed, "Undeformed", -1},
    {C::Reactions, "Reactions", -1},
    kSeparator,
};

// The menu item's words, without the mnemonic and the dots of a dialog.
std::wstring TooltipText(ViewerCommand id) {
    std::string text;
    for (const char* c = ViewerCommandOf(id).text; *c; ++c)
        if (*c != '&' && *c != '.')
            text += *c;
    return WideName(text);
}

win32::ToolButton Button(const ToolEntry& entry) {
    win32::ToolButton button;
    if (!entry.text) {
        button.separator = true;
        return button;
    }
    button.id = static_cast<int>(entry.id);
    if (entry.picture >= 0)
        button.picture = {win32::ToolPicture::Source::Standard, entry.picture};
    button.text = WideName(entry.text);
    button.tooltip = TooltipText(entry.id);
    button.check = ViewerCommandOf(entry.id).option != nullptr;
    return button;
}

std::vector<win32::ToolButton> ToolButtons() {
    std::vector<win32::ToolButton> buttons;
    for (const ToolEntry& entry : kButtons)
        buttons.push_back(Button(entry));
    win32::ToolButton gap;
    gap.separator = true;
    gap.id = kGapId;
    gap.width = kLabelWidth + kBoxWidth;
    buttons.push_back(gap);
    buttons.push_back(Button({C::AutoMagnification, "Auto", -1}));
    return buttons;
}

} // namespace

ViewerToolbar::ViewerToolbar(HWND parent, HINSTANCE instance, int id)
    : toolbar_(parent, id, ToolButtons(), true, {}) {
    label_ = ::CreateWindowExW(0, L"STATIC", L" Magnification ", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, 0, 0, 0,
                               0, parent, nullptr, instance, nullptr);
    box_ = std::make_unique<MagnificationBox>(parent, instance, kBoxId);
    SetDpi(win32::WindowDpi(parent));
}

ViewerToolbar::~ViewerToolbar() {
    box_.reset();
    if (::IsWindow(label_))
        ::DestroyWindow(label_);
    if (labelFont_)
        ::DeleteObject(labelFont_);
}

void ViewerToolbar::SetDpi(UINT dpi) {
    toolbar_.SetDpi(dpi);
    const HFONT previous = labelFont_;
    labelFont_ = win32::CreateMessageFont(dpi);
    ::SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
    if (previous)
        ::DeleteObject(previous);
    PlaceMagnification();
}

// Over the gap, in the window's coordinates.
void ViewerToolbar::PlaceMagnification() {
    const RECT gap = toolbar_.ItemPlace(kGapId);
    const UINT dpi = win32::WindowDpi(toolbar_.Handle());
    const int height = win32::Scaled(kBoxHeight, dpi), labelWidth = win32::Scaled(kLabelWidth, dpi);
    const int top = gap.top + (gap.bottom - gap.top - height) / 2;
    ::SetWindowPos(label_, HWND_TOP, gap.left, top, labelWidth, height, 0);
    box_->Place(gap.left + labelWidth, top, win32::Scaled(kBoxWidth, dpi), height);
}

void ViewerToolbar::Relayout() {
    toolbar_.Relayout();
    PlaceMagnification();
}

bool ViewerToolbar::HandleNotify(LPARAM notification) {
    return box_->HandleArrows(notification) || toolbar_.AnswerTooltip(notification);
}

} // namespace trelvo::win32
