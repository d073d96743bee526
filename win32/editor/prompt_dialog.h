#pragma once

#include "win32/common/windows_api.h"

#include <optional>
#include <string>

namespace trelvo::win32 {

// Control ids of the prompt's message and field; its button is IDOK.
inline constexpr int kPromptMessageId = 1001;
inline constexpr int kPromptFieldId = 1002;

// The small modal prompt, 300 x 130 pixels and centred on the screen: the title as its
// caption, the message, a one-line field with the preset and the caret after it, and an
// "OK" button. Enter or the button gives the field's text; Escape or the close box give
// nothing.
std::optional<std::string> RunPrompt(HWND owner, const std::string& title,
                                     const std::string& message, const std::string& preset);

} // namespace trelvo::win32
