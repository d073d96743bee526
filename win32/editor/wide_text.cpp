#include "win32/editor/wide_text.h"

#include "files/document_characters.h"

#include <array>
#include <cstdint>

namespace trelvo::win32 {
namespace {

constexpr int kNoByte = -1;

// Which byte stands for each UTF-16 unit, the inverse of the single-byte rule. Every
// character of the rule is in the Basic Multilingual Plane.
struct ByteOfCharacter {
    std::array<std::int16_t, 0x10000> bytes;

    ByteOfCharacter() {
        bytes.fill(kNoByte);
        const CharacterTable& characters = DocumentCharacters();
        for (std::size_t b = 0; b < characters.size(); ++b)
            if (characters[b] < 0x10000 && !(characters[b] >= 0xD800 && characters[b] < 0xE000))
                bytes[characters[b]] = static_cast<std::int16_t>(b);
    }
};

int ByteOf(wchar_t character) {
    static const ByteOfCharacter inverse;
    return inverse.bytes[static_cast<unsigned short>(character)];
}

} // namespace

bool IsDocumentCharacter(wchar_t character) { return ByteOf(character) != kNoByte; }

std::optional<char32_t> FirstUnencodable(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (IsDocumentCharacter(c))
            continue;
        const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair)
            return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return static_cast<char32_t>(c);
    }
    return std::nullopt;
}

std::string DocumentBytes(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) {
        const int byte = ByteOf(c);
        bytes += static_cast<char>(byte == kNoByte ? '?' : byte);
    }
    return bytes;
}

std::wstring WideText(std::string_view bytes) {
    const CharacterTable& characters = DocumentCharacters();
    std::wstring text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += static_cast<wchar_t>(characters[static_cast<unsigned char>(byte)]);
    return text;
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
