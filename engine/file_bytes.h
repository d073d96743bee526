#pragma once

#include <optional>
#include <string>

namespace trelvo {

// The whole content of a regular file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

} // namespace trelvo
