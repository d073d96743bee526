#include "editor/font_commands.h"

#include <cstdint>

namespace trelvo {

namespace {

// points x dpi / 72 rounded to the nearest integer, halves away from zero, the way the
// platform's integer scaling rounds, so that every editor and printer font gets the same
// height the program has always given it.
int ScaleRounded(int points, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(points) * dpi;
    const std::int64_t magnitude = (2 * (product < 0 ? -product : product) + 72) / 144;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

std::int32_t StyleFlagsOf(const FontChoice& choice) {
    std::int32_t flags = 0;
    // Only exactly bold counts: semibold and heavy faces are shown regular.
    if (choice.weight == 700)
        flags += kStyleBold;
    if (choice.italic)
        flags += kStyleItalic;
    if (choice.underline)
        flags += kStyleUnderline;
    if (choice.strikeout)
        flags += kStyleStrikeout;
    return flags;
}

} // namespace

FontSpec MakeFont(const std::string& faceName, int pointSize, int styleFlags, int dpiY) {
    FontSpec font;
    font.faceName = faceName;
    font.pixelHeight = -ScaleRounded(pointSize, dpiY);
    font.weight = (styleFlags & kStyleBold) != 0 ? 700 : 400;
    font.italic = (styleFlags & kStyleItalic) != 0;
    font.underline = (styleFlags & kStyleUnderline) != 0;
    font.strikeout = (styleFlags & kStyleStrikeout) != 0;
    return font;
}

void ApplyEditorFont(const EditorFont& font, int displayDpiY, EditorControl& editor) {
    editor.ApplyFont(MakeFont(font.faceName, font.pointSize, font.styleFlags, displayDpiY),
                     font.textColour);
}

void ChangeFontCommand(EditorFont& font, DialogPort& dialogs, int displayDpiY, EditorControl& editor) {
    const std::optional<FontChoice> choice = dialogs.ChooseFont(font.faceName, font.pointSize);
    if (!choice)
        return; // a cancelled dialog leaves the font and the editor as they were
    font.faceName = choice->faceName;
    // Whole points only, the fraction dropped; a dialog that gives no size keeps the old one.
    const std::int32_t points = choice->sizeTenths / 10;
    if (points != 0)
        font.pointSize = points;
    font.textColour = choice->colour;
    font.styleFlags = StyleFlagsOf(*choice);
    ApplyEditorFont(font, displayDpiY, editor);
}

} // namespace trelvo
