#include "text/editor_text.h"

#include <algorithm>

namespace trelvo {

TextRange SelectedRange(int start, int end, int textEnd) {
    if (end < 0)
        end = textEnd;
    start = std::min(start, textEnd);
    end = std::min(end, textEnd);
    return TextRange{std::min(start, end), std::max(start, end)};
}

void AppendText(EditorText& editor, const std::string& text) {
    const int end = editor.TextEnd();
    editor.SelectRange(end, end);
    editor.ReplaceSelection(text);
}

void InsertTextAtLine(EditorText& editor, int line, const std::string& text) {
    if (line < 0 || line >= editor.LineCount()) {
        AppendText(editor, text);
        return;
    }
    const int start = editor.LineStart(line);
    editor.SelectRange(start, start);
    editor.ReplaceSelection(text);
}

} // namespace trelvo
