#pragma once

#include <optional>
#include <string>

namespace trelvo {

// The whole content of a regular file, or nothing for a folder or a file that cannot be
// opened or read. The path is the file system's own bytes on POSIX systems and UTF-8 on
// Windows, where it reaches the system whole, whatever the ANSI code page holds.
std::optional<std::string> ReadWholeFile(const std::string& path);

} // namespace trelvo
