#pragma once

#include <string>
#include <vector>

namespace trelvo {

// trelvo-batch on its arguments, the program's name first: parses them, analyses each deck
// and returns the exit status. Names are held as the file system's bytes, or UTF-8 on
// Windows.
int RunBatch(const std::vector<std::string>& arguments);

#ifdef _WIN32
// The arguments of wmain as UTF-8: whole, where the narrow ones hold only what the ANSI
// code page can (a "?" for any other character).
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);
#endif

} // namespace trelvo
