#pragma once

#include <string>
#include <string_view>

namespace trelvo {

// Replaces the file at `path` with `bytes`: they are written to a temporary file beside it,
// flushed to the disk, and renamed over `path` only once complete, so a failure leaves any
// previous file as it was. False, with nothing changed, for a folder, for a file nobody may
// write (even where the system would let us, as root), and for any failure on the way.
// The path is held as ReadWholeFile's is: bytes on POSIX systems, UTF-8 on Windows.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

} // namespace trelvo
