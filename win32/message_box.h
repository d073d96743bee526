#pragma once

#include "windows_api.h"

#include <string>

namespace trelvo::win32 {

// A message with one OK button and no icon; title and text are UTF-8.
void ShowMessageBox(HWND owner, const std::string& title, const std::string& text);

} // namespace trelvo::win32
