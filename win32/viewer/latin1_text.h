#pragma once

#include <string>

namespace trelvo::win32 {

// The document's single-byte text for the wide API: each byte is the character of that
// number (Latin-1), whatever the system's code page: the scene mixes the deck's texts with
// the viewer's own, which are Latin-1 (the legend's multiplication sign).
inline std::wstring Latin1WideText(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

} // namespace trelvo::win32
