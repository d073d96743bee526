#include "toolbar.h"

#include "command_table.h"
#include "commands_ui.h"
#include "resource_ids.h"

#include <vector>

namespace trelvo::win32 {

Toolbar::Toolbar(HWND parent, int id, HINSTANCE instance) {
    toolbar_ = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
    ::SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    LoadImages(instance);
    AddButtons();
}

Toolbar::~Toolbar() {
    if (::IsWindow(toolbar_))
        ::DestroyWindow(toolbar_);
    if (images_)
        ::ImageList_Destroy(images_);
}

// One image list holds both kinds: the standard pictures first, where their numbers say,
// then our strip, whose key colour the list leaves out.
void Toolbar::LoadImages(HINSTANCE instance) {
    images_ = ::ImageList_Create(TRELVO_PICTURE_SIZE, TRELVO_PICTURE_SIZE, ILC_COLOR32 | ILC_MASK, 20, 4);
    ::SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    ::SendMessageA(toolbar_, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    const auto strip = static_cast<HBITMAP>(::LoadImageA(
        instance, MAKEINTRESOURCEA(TRELVO_TOOLBAR_PICTURES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        return; // built without our pictures: standard ones stand in
    const int first = ::ImageList_GetImageCount(images_);
    const COLORREF key = RGB(TRELVO_PICTURE_KEY_RED, TRELVO_PICTURE_KEY_GREEN, TRELVO_PICTURE_KEY_BLUE);
    if (::ImageList_AddMasked(images_, strip, key) >= 0)
        ownPictures_ = first;
    ::DeleteObject(strip);
}

int Toolbar::ImageIndex(CommandId id, bool placeholder) const {
    const ButtonImage image = placeholder ? ButtonImage::Icon6 : CommandInfoOf(id).image;
    if (const std::optional<int> standard = StandardImageIndex(image))
        return *standard;
    if (HasOwnPictures())
        return ownPictures_ + OwnPictureIndex(image).value_or(0);
    return StandInImageIndex(image).value_or(I_IMAGENONE);
}

void Toolbar::AddButtons() {
    std::vector<TBBUTTON> buttons;
    for (const ToolbarEntry& entry : ToolbarLayout()) {
        TBBUTTON button{};
        if (entry.separator) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = ImageIndex(entry.id, entry.placeholder);
            button.idCommand = static_cast<int>(entry.id);
            button.fsState = entry.placeholder ? 0 : TBSTATE_ENABLED;
            const bool toggle = !entry.placeholder && CommandInfoOf(entry.id).toggle;
            button.fsStyle = toggle ? BTNS_CHECK : BTNS_BUTTON;
            if (entry.placeholder)
                placeholders_.insert(entry.id);
        }
        buttons.push_back(button);
    }
    ::SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

void Toolbar::SetEnabled(CommandId id, bool enabled) {
    if (placeholders_.contains(id)) // placeholders stay disabled for good
        return;
    ::SendMessageA(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enabled, 0));
}

bool Toolbar::IsEnabled(CommandId id) const {
    return ::SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

void Toolbar::SetChecked(CommandId id, bool checked) {
    ::SendMessageA(toolbar_, TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(checked, 0));
}

bool Toolbar::IsChecked(CommandId id) const {
    return ::SendMessageA(toolbar_, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

int Toolbar::ImageOf(CommandId id) const {
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE;
    ::SendMessageA(toolbar_, TB_GETBUTTONINFOA, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
    return info.iImage;
}

void Toolbar::Relayout() { ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0); }

const char* Toolbar::TooltipOf(UINT_PTR id) {
    for (const CommandInfo& info : Commands())
        if (static_cast<UINT_PTR>(info.id) == id && !info.tooltip.empty())
            return info.tooltip.data(); // the table's texts are string literals
    return nullptr;
}

} // namespace trelvo::win32
