#include "win32/viewer/viewer_program.h"

#include "win32/viewer/gdiplus_session.h"
#include "win32/common/message_box.h"
#include "viewer/results_file.h"
#include "win32/viewer/viewer_window.h"

#include <commctrl.h>

namespace trelvo::win32 {
namespace {

constexpr char kNoGdiplusText[] = "GDI+, the part of Windows that Vantrel draws with, could not be "
                                  "started, so Vantrel cannot show a truss and closes.";
constexpr char kNoWindowText[] = "Vantrel could not open its window and closes.";

} // namespace

// Without GDI+ the viewer could show nothing of a truss: it says so and ends, rather than
// leave a window with an empty view.
int RunViewer(const std::string& document, int showCommand) {
    const GdiplusSession gdiplus;
    if (!gdiplus.Started()) {
        win32::ShowMessageBox(nullptr, viewer::kViewerTitle, kNoGdiplusText, MB_ICONWARNING);
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    ViewerWindow window(::GetModuleHandleW(nullptr));
    if (!window.Handle()) {
        win32::ShowMessageBox(nullptr, viewer::kViewerTitle, kNoWindowText, MB_ICONWARNING);
        return 1;
    }
    if (!document.empty())
        window.OpenFile(document);
    ::ShowWindow(window.Handle(), showCommand);
    ::UpdateWindow(window.Handle());
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.TranslateAccelerator(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return 0;
}

} // namespace trelvo::win32
