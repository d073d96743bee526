#include "win32/common/toolbar_control.h"

#include "win32/common/dpi.h"
#include "win32/common/program_resource_ids.h"

namespace trelvo::win32 {
namespace {

// The system's standard pictures come at two sizes; from 125 % on the large ones are the
// nearer, and the program's strip is drawn at both.
constexpr UINT kLargePicturesFrom = 120;
constexpr int kSmallPicture = 16, kLargePicture = 24;
constexpr int kStandardPictureCount = STD_PRINT + 1;
// A button's size at 96 dpi beyond its picture: the flat toolbar's frame and padding.
constexpr int kButtonFrame = 7;

TBBUTTON ButtonOf(const ToolButton& button, int image, UINT dpi) {
    TBBUTTON entry{};
    entry.idCommand = button.id;
    if (button.separator) {
        entry.fsStyle = BTNS_SEP;
        entry.iBitmap = Scaled(button.width, dpi); // a separator's width; 0 for the usual
        return entry;
    }
    entry.iBitmap = image;
    entry.fsState = button.enabled ? TBSTATE_ENABLED : 0;
    entry.fsStyle = static_cast<BYTE>((button.check ? BTNS_CHECK : BTNS_BUTTON) |
                                      (button.text.empty() ? 0 : BTNS_AUTOSIZE));
    entry.iString = button.text.empty() ? -1 : reinterpret_cast<INT_PTR>(button.text.c_str());
    return entry;
}

} // namespace

ToolbarControl::ToolbarControl(HWND parent, int id, std::vector<ToolButton> buttons, bool textBeside,
                               OwnStrip strip)
    : buttons_(std::move(buttons)), strip_(strip) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                        CCS_TOP | (textBeside ? TBSTYLE_LIST : 0);
    toolbar_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!toolbar_)
        return;
    ::SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    dpi_ = WindowDpi(parent);
    LoadPictures(dpi_);
    AddButtons();
    SetDpi(dpi_);
}

ToolbarControl::~ToolbarControl() {
    if (::IsWindow(toolbar_))
        ::DestroyWindow(toolbar_);
    if (images_)
        ::ImageList_Destroy(images_);
    if (font_)
        ::DeleteObject(font_);
}

// One image list holds both kinds: the standard pictures first, where their numbers say,
// then our strip, whose key colour the list leaves out. The counts stay the same at every
// size, so the buttons keep their picture numbers when the list is made anew.
void ToolbarControl::LoadPictures(UINT dpi) {
    pictureSize_ = dpi >= kLargePicturesFrom ? kLargePicture : kSmallPicture;
    const HIMAGELIST previous = images_;
    images_ = ::ImageList_Create(pictureSize_, pictureSize_, ILC_COLOR32 | ILC_MASK, 20, 4);
    ::SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    ::SendMessageW(toolbar_, TB_LOADIMAGES,
                   pictureSize_ == kLargePicture ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR,
                   reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    if (previous)
        ::ImageList_Destroy(previous);
    ownFirst_ = -1;
    const UINT resource = pictureSize_ == kLargePicture ? strip_.large : strip_.small;
    const auto picture = resource ? static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                                       MAKEINTRESOURCEW(resource), IMAGE_BITMAP,
                                                                       0, 0, LR_CREATEDIBSECTION))
                                  : nullptr;
    if (!picture)
        return; // built without our pictures: the caller's stand-ins show
    const int first = ::ImageList_GetImageCount(images_);
    const COLORREF key = RGB(TRELVO_PICTURE_KEY_RED, TRELVO_PICTURE_KEY_GREEN, TRELVO_PICTURE_KEY_BLUE);
    if (first == kStandardPictureCount && ::ImageList_AddMasked(images_, picture, key) >= 0)
        ownFirst_ = first;
    ::DeleteObject(picture);
}

int ToolbarControl::ImageIndex(const ToolPicture& picture) const {
    switch (picture.source) {
    case ToolPicture::Source::Standard: return picture.index;
    case ToolPicture::Source::Own:
        if (ownFirst_ >= 0)
            return ownFirst_ + picture.index;
        return picture.standIn >= 0 ? picture.standIn : I_IMAGENONE;
    case ToolPicture::Source::None: break;
    }
    return I_IMAGENONE;
}

void ToolbarControl::AddButtons() {
    std::vector<TBBUTTON> entries;
    for (const ToolButton& button : buttons_)
        entries.push_back(ButtonOf(button, ImageIndex(button.picture), dpi_));
    ::SendMessageW(toolbar_, TB_ADDBUTTONSW, entries.size(), reinterpret_cast<LPARAM>(entries.data()));
}

void ToolbarControl::SetDpi(UINT dpi) {
    if (!toolbar_)
        return;
    if (dpi != dpi_ || !font_) {
        if (dpi != dpi_)
            LoadPictures(dpi);
        dpi_ = dpi;
        const HFONT previous = font_;
        font_ = CreateMessageFont(dpi);
        ::SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (previous)
            ::DeleteObject(previous);
    }
    const int button = pictureSize_ + Scaled(kButtonFrame, dpi);
    ::SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(pictureSize_, pictureSize_));
    ::SendMessageW(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(button, button));
    // A gap's width is its separator's picture number, and its size where the toolbar
    // keeps one.
    for (const ToolButton& entry : buttons_) {
        if (!entry.separator || entry.width == 0)
            continue;
        TBBUTTONINFOW info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_SIZE | TBIF_IMAGE;
        info.cx = static_cast<WORD>(Scaled(entry.width, dpi));
        info.iImage = info.cx;
        ::SendMessageW(toolbar_, TB_SETBUTTONINFOW, static_cast<WPARAM>(entry.id), reinterpret_cast<LPARAM>(&info));
    }
    Relayout();
}

void ToolbarControl::SetEnabled(int id, bool enabled) {
    ::SendMessageW(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enabled, 0));
}

bool ToolbarControl::IsEnabled(int id) const {
    return ::SendMessageW(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

void ToolbarControl::SetChecked(int id, bool checked) {
    ::SendMessageW(toolbar_, TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(checked, 0));
}

bool ToolbarControl::IsChecked(int id) const {
    return ::SendMessageW(toolbar_, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

int ToolbarControl::ImageOf(int id) const {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE;
    if (::SendMessageW(toolbar_, TB_GETBUTTONINFOW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info)) < 0)
        return I_IMAGENONE;
    return info.iImage;
}

int ToolbarControl::Height() const {
    RECT place{};
    ::GetWindowRect(toolbar_, &place);
    return place.bottom - place.top;
}

RECT ToolbarControl::ItemPlace(int id) const {
    const LRESULT index = ::SendMessageW(toolbar_, TB_COMMANDTOINDEX, static_cast<WPARAM>(id), 0);
    RECT place{};
    ::SendMessageW(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&place));
    ::MapWindowPoints(toolbar_, ::GetParent(toolbar_), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void ToolbarControl::Relayout() { ::SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0); }

const ToolButton* ToolbarControl::Find(int id) const {
    for (const ToolButton& button : buttons_)
        if (button.id == id && !button.separator)
            return &button;
    return nullptr;
}

// The text stays with the button for the toolbar's life, so the tooltip can point at it.
bool ToolbarControl::AnswerTooltip(LPARAM notification) const {
    auto* header = reinterpret_cast<NMHDR*>(notification);
    if (header->code != TTN_GETDISPINFOW)
        return false;
    const ToolButton* button = Find(static_cast<int>(header->idFrom));
    if (!button || button->tooltip.empty())
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(notification);
    info->lpszText = const_cast<wchar_t*>(button->tooltip.c_str());
    info->hinst = nullptr;
    return true;
}

} // namespace trelvo::win32
