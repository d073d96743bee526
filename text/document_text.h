#pragma once

#include "text/editor_text.h"

#include <string>
#include <string_view>

namespace trelvo {

// Saving refuses a document whose last Open loaded more than this.
inline constexpr long long kLoadedSizeLimit = 64000;
inline constexpr const char* kTooLongText = "File is limited to 64000 chars";

struct LoadedDocument {
    std::string text;      // the lines read, joined by CR LF
    long long loadedSize;  // the sum of (line length + 2) over the lines read
};

// Reads a file's bytes line by line, as Open does: a line ends at CR LF, a lone LF, a lone
// CR or a NUL byte. The end test follows the read, so an empty file gives one empty line.
LoadedDocument ReadDocumentLines(std::string_view bytes);

// Puts a loaded document into the editor in one call, with the same result as adding
// each line read past the last line: an empty text keeps the empty line it was given.
void PutDocumentText(const LoadedDocument& document, EditorText& editor);

// The results file of a document: the name cut before its last "." (folders included)
// and followed by "-RZ.TXT".
std::string ResultsFileName(const std::string& documentName);

} // namespace trelvo
