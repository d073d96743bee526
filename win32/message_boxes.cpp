#include "message_boxes.h"

namespace trelvo::win32 {
namespace {

// A message box's buttons carry the system's labels; the question's are renamed the
// moment its window is activated, before it is first drawn.
HHOOK relabelHook = nullptr;

LRESULT CALLBACK RelabelButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && relabelHook) {
        const auto box = reinterpret_cast<HWND>(wParam);
        ::SetDlgItemTextA(box, IDYES, "&Save");
        ::SetDlgItemTextA(box, IDNO, "&Discard");
        ::UnhookWindowsHookEx(relabelHook);
        relabelHook = nullptr;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void ShowMessageBox(HWND owner, const std::string& title, const std::string& text) {
    ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
}

SaveChoice AskSaveChangesBox(HWND owner) {
    relabelHook = ::SetWindowsHookExA(WH_CBT, &RelabelButtons, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxA(owner, kSaveChangesText, kSaveChangesTitle, MB_YESNOCANCEL);
    if (relabelHook) {
        ::UnhookWindowsHookEx(relabelHook);
        relabelHook = nullptr;
    }
    switch (answer) {
    case IDYES: return SaveChoice::Save;
    case IDNO: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

} // namespace trelvo::win32
