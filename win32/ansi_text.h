#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelvo::win32 {

// Whether the ANSI code page holds the character as exactly one byte, without a
// best-fit substitute. A lone surrogate is never held.
bool IsSingleByteCharacter(wchar_t character);

// The first character of the text that the ANSI code page cannot hold as one byte; a
// surrogate pair counts as the one character it stands for.
std::optional<char32_t> FirstUnencodable(std::wstring_view text);

// The bytes of the text in the ANSI code page; only for text that FirstUnencodable passed.
std::string ToAnsi(std::wstring_view text);

// The text with every line end (CR LF, a lone CR or a lone LF) made the one CR that the
// rich edit control keeps between paragraphs, so that no line end is left to its reading.
std::string ParagraphText(std::string_view text);

} // namespace trelvo::win32
