#include "document_text.h"

#include <algorithm>

namespace trelvo {

long long LoadDocumentText(std::string_view bytes, EditorText& editor) {
    static constexpr std::string_view kLineEnds("\r\n\0", 3);
    long long loadedSize = 0;
    int nextLineIndex = 0;
    std::size_t position = 0;
    do {
        const std::size_t end = std::min(bytes.find_first_of(kLineEnds, position), bytes.size());
        const std::string_view line = bytes.substr(position, end - position);
        position = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && position < bytes.size() &&
            bytes[position] == '\n')
            ++position;
        editor.InsertLine(nextLineIndex++, std::string(line));
        loadedSize += static_cast<long long>(line.size()) + 2;
    } while (position < bytes.size());
    return loadedSize;
}

std::string ResultsFileName(const std::string& documentName) {
    const std::size_t dot = documentName.rfind('.');
    return (dot == std::string::npos ? documentName : documentName.substr(0, dot)) + "-RZ.TXT";
}

} // namespace trelvo
