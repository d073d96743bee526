#pragma once

#include "viewer/viewer_command_table.h"
#include "win32/common/windows_api.h"

#include <optional>
#include <string_view>

namespace trelvo::win32 {

// The viewer's menu bar and key table, both from its command table. The caller owns them.
HMENU BuildViewerMenuBar();
HACCEL BuildViewerAccelerators();

// A shortcut as the command table writes it ("Ctrl+Shift+E", "Home", "F1", "A") as a key
// of the table; nothing for one it does not know.
std::optional<ACCEL> ViewerAccelerator(std::string_view shortcut, viewer::ViewerCommandId id);

} // namespace trelvo::win32
