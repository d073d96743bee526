#include "files/document_characters.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <set>

namespace trelvo {
namespace {

// The code page's character of every byte, when that code page is single-byte and gives
// 256 different characters, one a byte (bytes it leaves undefined map to private or
// control characters of their own, which round-trip); nothing otherwise.
bool ReadSingleByteCodePage(UINT codePage, CharacterTable& table) {
    CPINFO info{};
    if (!::GetCPInfo(codePage, &info) || info.MaxCharSize != 1)
        return false;
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t character = 0;
        if (::MultiByteToWideChar(codePage, 0, &byte, 1, &character, 1) != 1)
            return false;
        if (character >= 0xD800 && character < 0xE000)
            return false;
        table[static_cast<std::size_t>(b)] = character;
        seen.insert(character);
    }
    return seen.size() == table.size();
}

} // namespace

CharacterTable CharactersOfCodePage(unsigned codePage) {
    CharacterTable table{};
    return ReadSingleByteCodePage(codePage, table) ? table : Latin1Characters();
}

const CharacterTable& DocumentCharacters() {
    static const CharacterTable table = CharactersOfCodePage(::GetACP());
    return table;
}

} // namespace trelvo
