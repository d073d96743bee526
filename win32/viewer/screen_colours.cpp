#include "win32/viewer/screen_colours.h"

#include "win32/common/windows_api.h"

namespace trelvo::win32 {
namespace {

viewer::Rgb SystemColour(int index) {
    const COLORREF colour = ::GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

viewer::NeutralColours ScreenColours() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (!::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) ||
        !(contrast.dwFlags & HCF_HIGHCONTRASTON))
        return {};
    return {SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOWTEXT)};
}

} // namespace trelvo::win32
