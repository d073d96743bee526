#pragma once

#include <array>
#include <string>
#include <string_view>

namespace trelvo {

// The character each byte of a document stands for: one byte, one character, every file
// opening and saving byte for byte. Latin-1 on POSIX systems; on Windows the ANSI code
// page's characters where that code page is single-byte, and Latin-1 where it is not
// (Chinese, Japanese and Korean systems, or UTF-8 as the system code page).
using CharacterTable = std::array<char32_t, 256>;
const CharacterTable& DocumentCharacters();

#ifdef _WIN32
// The rule for a Windows code page: its characters where it is single-byte and gives each
// byte a character of its own, Latin-1 otherwise. DocumentCharacters is this for the ANSI
// code page.
CharacterTable CharactersOfCodePage(unsigned codePage);
#endif

// Byte b is the character U+00b.
const CharacterTable& Latin1Characters();

// The UTF-8 of the characters the bytes stand for, by the table.
std::string Utf8OfDocumentText(std::string_view bytes, const CharacterTable& table = DocumentCharacters());

} // namespace trelvo
