// The start-up bench's yardstick: a window holding only a rich edit control, shown, with
// a message loop, as little as such a program can be.
#include "win32/common/windows_api.h"

#include <richedit.h>

int main() {
    ::LoadLibraryA("riched20.dll");
    const HWND window = ::CreateWindowExA(0, "STATIC", "bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                          CW_USEDEFAULT, 656, 539, nullptr, nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
    ::CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                      5, 30, 630, 403, window, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&message);
    return 0;
}
