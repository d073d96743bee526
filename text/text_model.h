#pragma once

#include "text/editor_text.h"

#include <string>
#include <vector>

namespace trelvo {

// The document text in memory, by the rules of the editor: lines without their ends,
// positions that count a line end as one character, CR LF in the whole text. Used by
// the command-line analysis, the tests and fuzzing; the desktop editor keeps the same
// rules on its widget.
class TextModel final : public EditorText {
public:
    TextModel() = default;
    explicit TextModel(const std::string& text) { SetText(text); }

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    int LineCount() const override;
    std::string GetLine(int line) const override;
    int LineStart(int line) const override;
    int TextEnd() const override;
    void InsertLine(int line, const std::string& text) override;
    void SelectRange(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;

    int SelectionStart() const { return selectionStart_; }
    int SelectionEnd() const { return selectionEnd_; }
    // Number of characters of GetText(): each line end counts two.
    std::size_t TextLength() const { return characters_ + 2 * (lines_.size() - 1); }

private:
    struct Point {
        std::size_t line;
        std::size_t column;
    };

    bool IsEmpty() const { return lines_.size() == 1 && lines_.front().empty(); }
    Point PointAt(int position) const;
    // Replaces the text between two points by `text`; returns the position after it.
    int Splice(Point from, Point to, const std::string& text);
    void InvalidateStartsFrom(std::size_t line);

    std::vector<std::string> lines_{std::string()};
    std::size_t characters_ = 0; // sum of the line lengths
    bool rememberedEmptyLine_ = false;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    // Start positions of lines_[0 .. lineStarts_.size()), computed on demand.
    mutable std::vector<int> lineStarts_;
};

// Splits a text at its line ends (CR LF, a lone CR or a lone LF): n ends give n + 1 parts.
std::vector<std::string> SplitLines(const std::string& text);

} // namespace trelvo
