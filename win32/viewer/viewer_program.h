#pragma once

#include <string>

namespace trelvo::win32 {

// The whole viewer: GDI+ and the common controls started, the window shown with the
// document open (when one is named), then the event loop until the window is closed.
// The exit code: 1 when GDI+ or the window could not be started, which a message says.
int RunViewer(const std::string& document, int showCommand);

} // namespace trelvo::win32
