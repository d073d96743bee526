#include "win32/editor/save_question.h"

#include "files/wide_names.h"

namespace trelvo::win32 {
namespace {

// A message box's buttons carry the system's labels; the question's are renamed the
// moment its window is activated, before it is first drawn.
HHOOK relabelHook = nullptr;

LRESULT CALLBACK RelabelButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && relabelHook) {
        const auto box = reinterpret_cast<HWND>(wParam);
        ::SetDlgItemTextW(box, IDYES, L"&Save");
        ::SetDlgItemTextW(box, IDNO, L"&Discard");
        ::UnhookWindowsHookEx(relabelHook);
        relabelHook = nullptr;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

SaveChoice AskSaveChangesBox(HWND owner) {
    relabelHook = ::SetWindowsHookExW(WH_CBT, &RelabelButtons, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(owner, WideName(kSaveChangesText).c_str(), WideName(kSaveChangesTitle).c_str(),
                                     MB_YESNOCANCEL);
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
