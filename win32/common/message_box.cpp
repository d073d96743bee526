#include "win32/common/message_box.h"

#include "files/wide_names.h"

namespace trelvo::win32 {

void ShowMessageBox(HWND owner, const std::string& title, const std::string& text, UINT icon) {
    ::MessageBoxW(owner, WideName(text).c_str(), WideName(title).c_str(), MB_OK | icon);
}

} // namespace trelvo::win32
