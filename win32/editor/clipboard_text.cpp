#include "win32/editor/clipboard_text.h"

namespace trelvo::win32 {

std::wstring ReadClipboardText(HWND owner) {
    std::wstring text;
    if (!::OpenClipboard(owner))
        return text;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = characters;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

} // namespace trelvo::win32
