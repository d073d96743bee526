#include "status_bar.h"

#include <commctrl.h>

namespace trelvo::win32 {
namespace {

// Right edges of the two fields.
constexpr int kFieldEdges[] = {120, 120 + 450};
constexpr int kFieldCount = 2;

} // namespace

StatusBar::StatusBar(HWND parent, int id, HINSTANCE instance) {
    bar_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                             0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             instance, nullptr);
    Clear();
}

StatusBar::~StatusBar() {
    if (::IsWindow(bar_))
        ::DestroyWindow(bar_);
}

void StatusBar::Clear() {
    ::SendMessageA(bar_, SB_SETPARTS, kFieldCount, reinterpret_cast<LPARAM>(kFieldEdges));
    for (int field = 0; field < kFieldCount; ++field)
        SetText(field, "");
}

void StatusBar::SetText(int field, const std::string& text) {
    if (field < 0 || field >= kFieldCount)
        return;
    ::SendMessageA(bar_, SB_SETTEXTA, static_cast<WPARAM>(field), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Text(int field) const {
    const LRESULT length = LOWORD(::SendMessageA(bar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(field), 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(bar_, SB_GETTEXTA, static_cast<WPARAM>(field), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void StatusBar::Relayout() { ::SendMessageA(bar_, WM_SIZE, 0, 0); }

} // namespace trelvo::win32
