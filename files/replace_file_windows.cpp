#include "files/replace_file.h"

#include "files/wide_names.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

namespace trelvo {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A name beside `path` that this process has not used before: "<path>.<pid>-<n>.tmp".
std::wstring NameBeside(const std::wstring& path) {
    static std::atomic<unsigned long> next{0};
    char suffix[48];
    const int length =
        std::snprintf(suffix, sizeof suffix, ".%lx-%lx.tmp", ::GetCurrentProcessId(), next++);
    return path + std::wstring(suffix, suffix + length);
}

// Creates a new file beside `path` for writing; the name is left in `temporary`. A name
// that exists (left by an earlier process with the same id) is passed over.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = NameBeside(path);
        const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    return INVALID_HANDLE_VALUE;
}

// Puts the complete `temporary` in place of the existing file `path`, which keeps its
// attributes (as the POSIX half keeps permissions) and its security. ReplaceFile merges
// both, but not every implementation of it merges the attributes, so they are set on the
// new file first. Without a backup name, one of ReplaceFile's documented failures leaves
// neither the old file nor the new one at `path`; with one, every failure can be undone.
bool ReplaceExisting(const std::wstring& path, const std::wstring& temporary, DWORD attributes) {
    const DWORD kept = attributes & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    if (!::SetFileAttributesW(temporary.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL))
        return false;
    const std::wstring backup = NameBeside(path);
    if (::ReplaceFileW(path.c_str(), temporary.c_str(), backup.c_str(),
                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        return true;
    }
    // The old file was moved to the backup name but the new one could not take its place.
    if (::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        ::MoveFileExW(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    return false;
}

} // namespace

bool ReplaceFileAtomically(const std::string& utf8Path, std::string_view bytes) {
    const std::wstring path = WideName(utf8Path);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // A target whose attributes cannot be read (no such folder, no access) is not touched.
    if (!exists && ::GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    // Only a regular file is replaced, and never one its owner has marked read-only.
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return false;
    std::wstring temporary;
    const HANDLE file = CreateTemporaryBeside(path, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = WriteAll(file, bytes) && ::FlushFileBuffers(file);
    const bool closed = ::CloseHandle(file);
    const bool replaced =
        written && closed &&
        (exists ? ReplaceExisting(path, temporary, attributes)
                : ::MoveFileExW(temporary.c_str(), path.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    if (!replaced) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace trelvo
