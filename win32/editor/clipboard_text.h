#pragma once

#include "win32/common/windows_api.h"

#include <string>

namespace trelvo::win32 {

// The clipboard's text as UTF-16; empty when it holds none or cannot be opened.
std::wstring ReadClipboardText(HWND owner);

} // namespace trelvo::win32
