#include "win32/viewer/viewer_toolbar.h"

#include "files/wide_names.h"
#include "win32/common/dpi.h"

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

using Kind = viewer::ViewerToolEntry::Kind;

int StandardPicture(viewer::ToolPicture picture) {
    switch (picture) {
    case viewer::ToolPicture::Open: return STD_FILEOPEN;
    case viewer::ToolPicture::Save: return STD_FILESAVE;
    case viewer::ToolPicture::Reset: return STD_UNDO;
    case viewer::ToolPicture::None: break;
    }
    return -1;
}

win32::ToolButton Button(const viewer::ViewerToolEntry& entry) {
    win32::ToolButton button;
    button.separator = entry.kind != Kind::Button;
    if (entry.kind == Kind::Magnification) {
        button.id = kGapId;
        button.width = kLabelWidth + kBoxWidth;
    }
    if (button.separator)
        return button;
    button.id = static_cast<int>(entry.id);
    if (const int picture = StandardPicture(entry.picture); picture >= 0)
        button.picture = {win32::ToolPicture::Source::Standard, picture};
    button.text = WideName(entry.text);
    button.tooltip = WideName(viewer::ViewerTooltip(entry.id));
    button.check = viewer::ViewerCommandOf(entry.id).option != nullptr;
    return button;
}

std::vector<win32::ToolButton> ToolButtons() {
    std::vector<win32::ToolButton> buttons;
    for (const viewer::ViewerToolEntry& entry : viewer::ViewerToolbar())
        buttons.push_back(Button(entry));
    return buttons;
}

} // namespace

ViewerToolbar::ViewerToolbar(HWND parent, HINSTANCE instance, int id)
    : toolbar_(parent, id, ToolButtons(), true, {}) {
    label_ = ::CreateWindowExW(0, L"STATIC", WideName(viewer::kMagnificationLabel).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, 0, 0, 0, 0, parent, nullptr, instance, nullptr);
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
