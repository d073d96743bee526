#include "text/document_text.h"

namespace trelvo {

LoadedDocument ReadDocumentLines(std::string_view bytes) {
    static constexpr std::string_view kLineEnds("\r\n\0", 3);
    LoadedDocument document{std::string(), 0};
    document.text.reserve(bytes.size() + bytes.size() / 16);
    std::size_t position = 0;
    bool first = true;
    do {
        std::size_t end = bytes.find_first_of(kLineEnds, position);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (!first)
            document.text += "\r\n";
        document.text.append(bytes.substr(position, end - position));
        document.loadedSize += static_cast<long long>(end - position) + 2;
        position = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && position < bytes.size() &&
            bytes[position] == '\n')
            ++position;
        first = false;
    } while (position < bytes.size());
    return document;
}

void PutDocumentText(const LoadedDocument& document, EditorText& editor) {
    editor.SetText(document.text);
    if (document.text.empty())
        editor.InsertLine(0, ""); // the one empty line read is remembered
}

std::string ResultsFileName(const std::string& documentName) {
    const std::size_t dot = documentName.rfind('.');
    return (dot == std::string::npos ? documentName : documentName.substr(0, dot)) + "-RZ.TXT";
}

} // namespace trelvo
