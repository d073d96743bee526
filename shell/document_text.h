#pragma once

#include "editor_text.h"

#include <string>
#include <string_view>

namespace trelvo {

// Saving refuses a document whose last Open loaded more than this.
inline constexpr long long kLoadedSizeLimit = 64000;

// Puts a file's bytes into the editor line by line, as Open does: a line ends at CR LF,
// a lone LF, a lone CR or a NUL byte, and each line read is added past the last line.
// The end test follows the read, so an empty file gives one empty line. Returns the
// loaded size: the sum of (line length + 2) over the lines read.
long long LoadDocumentText(std::string_view bytes, EditorText& editor);

// The results file of a document: the name cut before its last "." (folders included)
// and followed by "-RZ.TXT".
std::string ResultsFileName(const std::string& documentName);

} // namespace trelvo
