#pragma once

// Names on Windows: the programs hold file names as UTF-8 and hand them to the system's
// wide-character calls, so that a name reaches every file call whole, whatever the ANSI
// code page can hold.
#include <string>
#include <string_view>

namespace trelvo {

std::wstring WideName(std::string_view utf8);
std::string Utf8Name(std::wstring_view wide);

} // namespace trelvo
