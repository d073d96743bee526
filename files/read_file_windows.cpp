#include "files/read_file.h"

#include "files/wide_names.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace trelvo {
namespace {

// Everything from the file's start to its end; nothing when a read fails on the way.
std::optional<std::string> ReadToEnd(HANDLE file) {
    std::string bytes;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size) && size.QuadPart > 0)
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
        if (read == 0)
            return bytes;
        bytes.append(buffer, read);
    }
    return std::nullopt;
}

} // namespace

// A folder cannot be opened this way (that takes FILE_FLAG_BACKUP_SEMANTICS), so it gives
// nothing, as a file that cannot be opened does. Others may go on reading and writing the
// file, and replace it, while it is read.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    const HANDLE file = ::CreateFileW(WideName(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::string> bytes = ReadToEnd(file);
    ::CloseHandle(file);
    return bytes;
}

} // namespace trelvo
