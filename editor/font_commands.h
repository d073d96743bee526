#pragma once

#include "editor/platform.h"

namespace trelvo {

// The font creation rule: pixel height -(points x dpi / 72) rounded to the nearest
// integer, weight 700 only with the bold flag, the other flags as they are.
FontSpec MakeFont(const std::string& faceName, int pointSize, int styleFlags, int dpiY);

// Opens the font dialog preset with the face and size (regular, black); on OK updates
// the editor font from the choice and applies it to the whole editor text at the display's
// resolution. A cancel changes nothing.
void ChangeFontCommand(EditorFont& font, DialogPort& dialogs, int displayDpiY, EditorControl& editor);

// Shows the whole editor text in the font: what start-up and Change Font both do.
void ApplyEditorFont(const EditorFont& font, int displayDpiY, EditorControl& editor);

} // namespace trelvo
