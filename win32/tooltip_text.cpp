#include "tooltip_text.h"

#include <commctrl.h>

#include <iterator>

namespace trelvo::win32 {

bool IsTooltipTextRequest(LPARAM notification) {
    const UINT code = reinterpret_cast<const NMHDR*>(notification)->code;
    return code == TTN_GETDISPINFOA || code == TTN_GETDISPINFOW;
}

bool AnswerTooltipText(LPARAM notification, const char* text) {
    if (!text || !IsTooltipTextRequest(notification))
        return false;
    if (reinterpret_cast<const NMHDR*>(notification)->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(notification);
        ::lstrcpynA(info->szText, text, static_cast<int>(std::size(info->szText)));
        info->lpszText = info->szText;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(notification);
        ::MultiByteToWideChar(CP_ACP, 0, text, -1, info->szText, static_cast<int>(std::size(info->szText)));
        info->lpszText = info->szText;
    }
    return true;
}

} // namespace trelvo::win32
