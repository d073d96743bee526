#pragma once

#include "windows_api.h"

namespace trelvo::win32 {

// Whether the notification is a tooltip's request for its text.
bool IsTooltipTextRequest(LPARAM notification);

// Answers a tooltip's request for its text (TTN_GETDISPINFOA or TTN_GETDISPINFOW, which
// depends on who made the tooltip control) with the code page's `text`. False, and the
// notification untouched, for any other notification or for no text.
bool AnswerTooltipText(LPARAM notification, const char* text);

} // namespace trelvo::win32
