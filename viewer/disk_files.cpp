#include "viewer/viewer_ports.h"

#include "files/read_file.h"
#include "files/replace_file.h"

namespace trelvo::viewer {

std::optional<std::string> DiskFiles::ReadFile(const std::string& path) {
    return ReadWholeFile(path);
}

bool DiskFiles::WriteFile(const std::string& path, const std::string& bytes) {
    return ReplaceFileAtomically(path, bytes);
}

} // namespace trelvo::viewer
