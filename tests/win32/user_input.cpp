#include "user_input.h"

#include "windows_api.h"

#include <cstring>

namespace trelvo::win32::test {

bool SetClipboardText(const std::wstring& text) {
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
        std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_UNICODETEXT, memory))
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return memory != nullptr;
}

HeldKeys::HeldKeys(std::initializer_list<int> keys) {
    ::GetKeyboardState(saved_);
    unsigned char state[256];
    std::memcpy(state, saved_, sizeof state);
    for (int key : keys)
        state[key] = 0x80;
    ::SetKeyboardState(state);
}

HeldKeys::~HeldKeys() { ::SetKeyboardState(saved_); }

} // namespace trelvo::win32::test
