#pragma once

#include "viewer/viewer_command_table.h"
#include "win32/common/windows_api.h"

namespace trelvo::win32 {

// The viewer's menu bar and key table, both from its command table. The caller owns them.
HMENU BuildViewerMenuBar();
HACCEL BuildViewerAccelerators();

} // namespace trelvo::win32
