#pragma once

#include "editor/platform.h"
#include "win32/common/windows_api.h"

namespace trelvo::win32 {

// The question before unsaved text is discarded, with the buttons "Save", "Discard" and
// "Cancel"; Escape and the close box cancel.
SaveChoice AskSaveChangesBox(HWND owner);

inline constexpr char kSaveChangesTitle[] = " Trelvo";
inline constexpr char kSaveChangesText[] = "The document has unsaved changes. Save them?";

} // namespace trelvo::win32
