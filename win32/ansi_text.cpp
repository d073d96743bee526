#include "ansi_text.h"

#include "windows_api.h"

namespace trelvo::win32 {

bool IsSingleByteCharacter(wchar_t character) {
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                             sizeof bytes, nullptr, &usedDefault);
    return length == 1 && !usedDefault;
}

std::optional<char32_t> FirstUnencodable(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (IsSingleByteCharacter(c))
            continue;
        const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair)
            return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return static_cast<char32_t>(c);
    }
    return std::nullopt;
}

std::string ToAnsi(std::wstring_view text) {
    if (text.empty())
        return {};
    const int wide = static_cast<int>(text.size());
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), wide, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string ParagraphText(std::string_view text) {
    std::string paragraphs;
    paragraphs.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        paragraphs += text[i] == '\n' ? '\r' : text[i];
    }
    return paragraphs;
}

} // namespace trelvo::win32
