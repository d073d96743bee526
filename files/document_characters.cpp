#include "files/document_characters.h"

namespace trelvo {
namespace {

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

CharacterTable MakeLatin1() {
    CharacterTable table{};
    for (std::size_t b = 0; b < table.size(); ++b)
        table[b] = static_cast<char32_t>(b);
    return table;
}

} // namespace

const CharacterTable& Latin1Characters() {
    static const CharacterTable table = MakeLatin1();
    return table;
}

std::string Utf8OfDocumentText(std::string_view bytes, const CharacterTable& table) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        AppendUtf8(text, table[static_cast<unsigned char>(byte)]);
    return text;
}

} // namespace trelvo
