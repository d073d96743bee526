#pragma once

#include <string>

namespace trelvo::vantrel_win32 {

// The document's single-byte text for the wide API: each byte is the character of that
// number (Latin-1), whatever the system's code page.
inline std::wstring WideText(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

} // namespace trelvo::vantrel_win32
