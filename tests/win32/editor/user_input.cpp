#include "tests/win32/editor/user_input.h"

#include "files/wide_names.h"
#include "win32/common/windows_api.h"

#include <shlobj.h>

#include <cstring>

namespace trelvo::win32::test {

namespace {

bool PutOnClipboard(UINT format, const void* data, std::size_t bytes, std::size_t offset = 0) {
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    // Zeroed, and a character longer than the data: the text's or the list's end.
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, offset + bytes + sizeof(wchar_t));
    bool put = false;
    if (memory) {
        auto* block = static_cast<char*>(::GlobalLock(memory));
        std::memcpy(block + offset, data, bytes);
        if (offset > 0) { // a file list: its header, then the names, each ended, then an end
            auto* files = reinterpret_cast<DROPFILES*>(block);
            files->pFiles = static_cast<DWORD>(offset);
            files->fWide = TRUE;
        }
        ::GlobalUnlock(memory);
        put = ::SetClipboardData(format, memory) != nullptr;
        if (!put)
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return put;
}

} // namespace

bool SetClipboardFile(const std::string& path) {
    const std::wstring name = WideName(path) + L'\0';
    return PutOnClipboard(CF_HDROP, name.c_str(), name.size() * sizeof(wchar_t), sizeof(DROPFILES));
}

bool SetClipboardText(const std::wstring& text) {
    return PutOnClipboard(CF_UNICODETEXT, text.c_str(), text.size() * sizeof(wchar_t));
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
