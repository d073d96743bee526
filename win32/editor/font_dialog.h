#pragma once

#include "editor/platform.h"
#include "win32/common/windows_api.h"

#include <optional>

namespace trelvo::win32 {

// The system's font dialog with its effects (underline, strikeout, colour), opened with a
// face and a size in regular style and black; nothing when cancelled.
std::optional<FontChoice> AskFont(HWND owner, const std::string& faceName, int pointSize, int dpiY);

} // namespace trelvo::win32
