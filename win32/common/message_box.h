#pragma once

#include "win32/common/windows_api.h"

#include <string>

namespace trelvo::win32 {

// A message with one OK button and the icon given (MB_ICON..., none by default); title and
// text are UTF-8, so that a file name shows whole whatever the ANSI code page holds.
void ShowMessageBox(HWND owner, const std::string& title, const std::string& text, UINT icon = 0);

} // namespace trelvo::win32
