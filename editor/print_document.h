#pragma once

#include "text/editor_text.h"
#include "editor/platform.h"

namespace trelvo {

// Measures of the printed page in 1/600 inch.
inline constexpr int kPrintLeft = 360;
inline constexpr int kPrintTop = 360;
inline constexpr int kPrintPageLimit = 5760;

// Prints every editor line once, in the editor's face, style and colour at four times its
// size, one line step of 8 x size apart; a page ends after the line that passes the page
// limit or when the next line would pass the printable height, and a new page is begun
// only when another line follows. Nothing happens when the dialog is cancelled.
void PrintCommand(const EditorFont& font, DialogPort& dialogs, int displayDpiY,
                  const EditorText& editor);

} // namespace trelvo
