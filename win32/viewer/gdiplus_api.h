#pragma once

// GDI+ as every file of the viewer's Windows front end sees it: after the Windows API,
// which it needs first.
#include "win32/common/windows_api.h"

#include <gdiplus.h>
