#include "viewer_program.h"

#include "gdiplus_session.h"
#include "viewer_window.h"

#include <commctrl.h>

namespace trelvo::vantrel_win32 {

int RunViewer(const std::string& document, int showCommand) {
    const GdiplusSession gdiplus;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    ViewerWindow window(::GetModuleHandleA(nullptr));
    if (!gdiplus.Started() || !window.Handle())
        return 1;
    if (!document.empty())
        window.OpenFile(document);
    ::ShowWindow(window.Handle(), showCommand);
    ::UpdateWindow(window.Handle());
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!window.TranslateAccelerator(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return 0;
}

} // namespace trelvo::vantrel_win32
