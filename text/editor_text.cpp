#include "editor_text.h"

namespace trelvo {

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
