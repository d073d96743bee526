#include "win32/viewer/scene_print.h"

#include "win32/viewer/gdiplus_api.h"
#include "win32/viewer/scene_painter.h"

#include <commdlg.h>

#include <algorithm>

namespace trelvo::win32 {
namespace {

// The default printer's settings turned as asked, for the dialog to start from; null
// where there is no printer.
HGLOBAL TurnedDefaultSettings(bool landscape, HGLOBAL& names) {
    PRINTDLGA defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgA(&defaults) || !defaults.hDevMode)
        return nullptr;
    if (auto* mode = static_cast<DEVMODEA*>(::GlobalLock(defaults.hDevMode))) {
        mode->dmFields |= DM_ORIENTATION;
        mode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        ::GlobalUnlock(defaults.hDevMode);
    }
    names = defaults.hDevNames;
    return defaults.hDevMode;
}

} // namespace

HDC AskPrinter(HWND owner, bool landscape) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = TurnedDefaultSettings(landscape, dialog.hDevNames);
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    const BOOL chosen = ::PrintDlgA(&dialog);
    if (dialog.hDevMode)
        ::GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        ::GlobalFree(dialog.hDevNames);
    return chosen ? dialog.hDC : nullptr;
}

namespace {

// The scene on the page, scaled to the printable area with its proportions kept.
bool DrawPage(const viewer::Scene& scene, HDC printer) {
    Gdiplus::Graphics graphics(printer);
    graphics.SetPageUnit(Gdiplus::UnitPixel);
    const double scale = std::min(::GetDeviceCaps(printer, HORZRES) / std::max(scene.width, 1.0),
                                  ::GetDeviceCaps(printer, VERTRES) / std::max(scene.height, 1.0));
    graphics.ScaleTransform(static_cast<Gdiplus::REAL>(scale), static_cast<Gdiplus::REAL>(scale));
    PaintScene(graphics, scene);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    return graphics.GetLastStatus() == Gdiplus::Ok;
}

} // namespace

// Any step that fails after the job has started stops it, so that no half page is left in
// the queue.
bool PrintScene(const viewer::Scene& scene, HDC printer, const std::string& jobName) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = jobName.c_str();
    if (::StartDocA(printer, &document) <= 0)
        return false;
    const bool printed =
        ::StartPage(printer) > 0 && DrawPage(scene, printer) && ::EndPage(printer) > 0 && ::EndDoc(printer) > 0;
    if (!printed)
        ::AbortDoc(printer);
    return printed;
}

} // namespace trelvo::win32
