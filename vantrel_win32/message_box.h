#pragma once

#include "windows_api.h"

#include <string>

namespace trelvo::vantrel_win32 {

// A message box over `owner` (null for none) with an OK button and the icon given. Title and
// text are UTF-8, as the viewer holds file names, so that a name shows whole whatever the
// ANSI code page holds; lines end in CR LF or LF.
void ShowMessageBox(HWND owner, const std::string& title, const std::string& text, UINT icon);

} // namespace trelvo::vantrel_win32
