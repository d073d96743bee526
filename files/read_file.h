#pragma once

#include <optional>
#include <string>

namespace trelvo {

// The whole content of a regular file, or nothing for a folder or a file that cannot be
// opened or read. The path is in the file system's own encoding.
std::optional<std::string> ReadWholeFile(const std::string& path);

} // namespace trelvo
