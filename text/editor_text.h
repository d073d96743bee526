#pragma once

#include <string>

namespace trelvo {

// The operations on the document text that the report, the documents, search and
// printing share. Positions count every line end as one character; lines are numbered
// from 0; a text that ends with a line end has an empty last line; an empty text has no
// lines. The whole text, as GetText gives it, has CR LF line ends.
class EditorText {
public:
    virtual ~EditorText() = default;

    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int LineCount() const = 0;
    virtual std::string GetLine(int line) const = 0;
    virtual int LineStart(int line) const = 0;
    virtual int TextEnd() const = 0;
    // Inserts text plus a line end before line `line`; with -1 or a line past the last,
    // adds the text at the end, after a line end unless the text is empty.
    virtual void InsertLine(int line, const std::string& text) = 0;
    // A start of -1 removes the selection; an end of -1 means the end of the text.
    virtual void SelectRange(int start, int end) = 0;
    virtual void ReplaceSelection(const std::string& text) = 0;
};

// What SelectRange(start, end) selects when start is 0 or more: an end of -1 means the end
// of the text, both ends are kept within the text, and the lower one comes first. Every
// editor keeps this one rule.
struct TextRange {
    int start = 0;
    int end = 0;
};
TextRange SelectedRange(int start, int end, int textEnd);

// Append text: the caret goes to the end and the text is inserted there.
void AppendText(EditorText& editor, const std::string& text);

// Insert text at the start of line `line`, or append it when that line does not exist.
void InsertTextAtLine(EditorText& editor, int line, const std::string& text);

} // namespace trelvo
