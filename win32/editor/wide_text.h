#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelvo::win32 {

// Document text as the Windows controls hold it: UTF-16, each character standing for one
// byte of the document by the system's single-byte rule (DocumentCharacters).

// Whether one byte of a document stands for the character. A lone surrogate never does.
bool IsDocumentCharacter(wchar_t character);

// The first character of the text that no byte stands for; a surrogate pair counts as
// the one character it stands for.
std::optional<char32_t> FirstUnencodable(std::wstring_view text);

// The bytes of the text; only for text that FirstUnencodable passed.
std::string DocumentBytes(std::wstring_view text);
// The characters of the bytes.
std::wstring WideText(std::string_view bytes);

// The text with every line end (CR LF, a lone CR or a lone LF) made the one CR that the
// rich edit control keeps between paragraphs, so that no line end is left to its reading.
std::string ParagraphText(std::string_view text);

} // namespace trelvo::win32
