#include "viewer_toolbar.h"

#include "tooltip_text.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace trelvo::vantrel_win32 {
namespace {

constexpr int kLabelWidth = 84;
constexpr int kBoxWidth = 110;
constexpr int kGapId = 1; // the gap's separator, found by this number
constexpr int kBoxId = 200;

struct ToolButton {
    ViewerCommand id;
    const char* text; // short, so that the box still fits beside the buttons
    int picture;      // a standard small picture; I_IMAGENONE for text alone
};

using C = ViewerCommand;
constexpr ToolButton kSeparator{C{}, nullptr, 0};
const ToolButton kButtons[] = {
    {C::Open, "Open", STD_FILEOPEN},
    {C::ExportPng, "Export PNG", STD_FILESAVE},
    {C::ExportSvg, "Export SVG", I_IMAGENONE},
    {C::Print, "Print", I_IMAGENONE},
    kSeparator,
    {C::ResetView, "Reset View", STD_UNDO},
    kSeparator,
    {C::NodeNumbers, "Node No.", I_IMAGENONE},
    {C::ElementNumbers, "Element No.", I_IMAGENONE},
    {C::Undeformed, "Undeformed", I_IMAGENONE},
    {C::Reactions, "Reactions", I_IMAGENONE},
    kSeparator,
};

// The menu item's words, without the mnemonic and the dots of a dialog.
std::string TooltipText(ViewerCommand id) {
    std::string text;
    for (const char* c = ViewerCommandOf(id).text; *c; ++c)
        if (*c != '&' && *c != '.')
            text += *c;
    return text;
}

TBBUTTON Button(const ToolButton& entry) {
    TBBUTTON button{};
    if (!entry.text) {
        button.fsStyle = BTNS_SEP;
        return button;
    }
    button.iBitmap = entry.picture;
    button.idCommand = static_cast<int>(entry.id);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = (ViewerCommandOf(entry.id).option ? BTNS_CHECK : BTNS_BUTTON) | BTNS_AUTOSIZE;
    button.iString = reinterpret_cast<INT_PTR>(entry.text);
    return button;
}

} // namespace

ViewerToolbar::ViewerToolbar(HWND parent, HINSTANCE instance, int id) {
    toolbar_ = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                                     TBSTYLE_TOOLTIPS | CCS_TOP,
                                 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
    ::SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(toolbar_, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    label_ = ::CreateWindowExA(0, "STATIC", " Magnification ", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, 0, 0, 0,
                               0, parent, nullptr, instance, nullptr);
    ::SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    box_ = std::make_unique<MagnificationBox>(parent, instance, kBoxId);
    AddButtons();
    PlaceMagnification();
}

ViewerToolbar::~ViewerToolbar() {
    box_.reset();
    for (HWND window : {label_, toolbar_})
        if (::IsWindow(window))
            ::DestroyWindow(window);
}

void ViewerToolbar::AddButtons() {
    std::vector<TBBUTTON> buttons;
    for (const ToolButton& entry : kButtons)
        buttons.push_back(Button(entry));
    TBBUTTON gap{};
    gap.iBitmap = kLabelWidth + kBoxWidth; // a separator's width
    gap.idCommand = kGapId;
    gap.fsStyle = BTNS_SEP;
    buttons.push_back(gap);
    buttons.push_back(Button({C::AutoMagnification, "Auto", I_IMAGENONE}));
    ::SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

// Over the gap, in the window's coordinates.
void ViewerToolbar::PlaceMagnification() {
    const LRESULT index = ::SendMessageA(toolbar_, TB_COMMANDTOINDEX, kGapId, 0);
    RECT gap{};
    ::SendMessageA(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&gap));
    ::MapWindowPoints(toolbar_, ::GetParent(toolbar_), reinterpret_cast<POINT*>(&gap), 2);
    const int boxHeight = 22;
    const int top = gap.top + (gap.bottom - gap.top - boxHeight) / 2;
    ::SetWindowPos(label_, HWND_TOP, gap.left, top, kLabelWidth, boxHeight, 0);
    box_->Place(gap.left + kLabelWidth, top, kBoxWidth, boxHeight);
}

int ViewerToolbar::Height() const {
    RECT place{};
    ::GetWindowRect(toolbar_, &place);
    return place.bottom - place.top;
}

void ViewerToolbar::SetEnabled(ViewerCommand id, bool enabled) {
    ::SendMessageA(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enabled, 0));
}

bool ViewerToolbar::IsEnabled(ViewerCommand id) const {
    return ::SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

void ViewerToolbar::SetChecked(ViewerCommand id, bool checked) {
    ::SendMessageA(toolbar_, TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(checked, 0));
}

bool ViewerToolbar::IsChecked(ViewerCommand id) const {
    return ::SendMessageA(toolbar_, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

void ViewerToolbar::Relayout() {
    ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    PlaceMagnification();
}

bool ViewerToolbar::HandleNotify(LPARAM notification) {
    if (box_->HandleArrows(notification))
        return true;
    const UINT_PTR id = reinterpret_cast<NMHDR*>(notification)->idFrom;
    if (id == kGapId || !win32::IsTooltipTextRequest(notification))
        return false;
    // Tooltips of the toolbar's buttons carry the full names of the menu items.
    return win32::AnswerTooltipText(notification, TooltipText(static_cast<ViewerCommand>(id)).c_str());
}

} // namespace trelvo::vantrel_win32
