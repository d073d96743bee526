#include "win32/editor/font_dialog.h"

#include "files/wide_names.h"

#include <commdlg.h>

#include <cwchar>

namespace trelvo::win32 {

std::optional<FontChoice> AskFont(HWND owner, const std::string& faceName, int pointSize, int dpiY) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(pointSize, dpiY, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(font.lfFaceName, WideName(faceName).c_str(), LF_FACESIZE - 1);
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    dialog.rgbColors = 0; // black, whatever the editor shows
    if (!::ChooseFontW(&dialog))
        return std::nullopt;
    FontChoice choice;
    choice.faceName = Utf8Name(font.lfFaceName);
    choice.sizeTenths = dialog.iPointSize;
    choice.weight = font.lfWeight;
    choice.italic = font.lfItalic != 0;
    choice.underline = font.lfUnderline != 0;
    choice.strikeout = font.lfStrikeOut != 0;
    choice.colour = dialog.rgbColors;
    return choice;
}

} // namespace trelvo::win32
