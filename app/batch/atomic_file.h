#pragma once

#include <string>
#include <string_view>

namespace trelvo {

// Writes the bytes to a temporary file beside `path` and renames it over `path` only once
// everything is written, so a failure leaves any previous file as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace trelvo
