#pragma once

#include "viewer/scene.h"
#include "win32/common/windows_api.h"

#include <string>

namespace trelvo::win32 {

// The print dialog with the page turned as asked; the chosen printer's device context,
// which the caller deletes, or null when cancelled or when there is no printer.
HDC AskPrinter(HWND owner, bool landscape);

// Prints the scene on one page with GDI, scaled to the printable area with its proportions
// kept; whether the page was printed.
bool PrintScene(const viewer::Scene& scene, HDC printer, const std::string& jobName);

} // namespace trelvo::win32
