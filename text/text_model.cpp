#include "text/text_model.h"

#include <algorithm>
#include <iterator>

namespace trelvo {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

std::string TextModel::GetText() const {
    std::string text;
    text.reserve(TextLength());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines_[i];
    }
    return text;
}

void TextModel::SetText(const std::string& text) {
    lines_ = SplitLines(text);
    characters_ = 0;
    for (const std::string& line : lines_)
        characters_ += line.size();
    rememberedEmptyLine_ = false;
    lineStarts_.clear();
    selectionStart_ = selectionEnd_ = 0;
}

int TextModel::LineCount() const {
    if (IsEmpty())
        return rememberedEmptyLine_ ? 1 : 0;
    return static_cast<int>(lines_.size());
}

std::string TextModel::GetLine(int line) const {
    if (line < 0 || line >= static_cast<int>(lines_.size()))
        return {};
    return lines_[static_cast<std::size_t>(line)];
}

int TextModel::LineStart(int line) const {
    if (line < 0)
        return -1;
    if (line >= static_cast<int>(lines_.size()))
        return TextEnd();
    if (lineStarts_.empty())
        lineStarts_.push_back(0);
    while (lineStarts_.size() <= static_cast<std::size_t>(line)) {
        const std::size_t previous = lineStarts_.size() - 1;
        lineStarts_.push_back(lineStarts_.back() + static_cast<int>(lines_[previous].size()) + 1);
    }
    return lineStarts_[static_cast<std::size_t>(line)];
}

int TextModel::TextEnd() const {
    return static_cast<int>(characters_ + (lines_.size() - 1));
}

void TextModel::InsertLine(int line, const std::string& text) {
    if (line >= 0 && line < LineCount()) {
        const Point start{static_cast<std::size_t>(line), 0};
        Splice(start, start, text + "\r\n");
        return;
    }
    if (IsEmpty() && !rememberedEmptyLine_) {
        if (text.empty()) {
            // The text stays empty, but the next line added at the end starts a new line.
            rememberedEmptyLine_ = true;
            return;
        }
        const Point origin{0, 0};
        Splice(origin, origin, text);
        return;
    }
    const Point end{lines_.size() - 1, lines_.back().size()};
    Splice(end, end, "\r\n" + text);
}

void TextModel::SelectRange(int start, int end) {
    if (start < 0) {
        selectionStart_ = selectionEnd_;
        return;
    }
    const TextRange range = SelectedRange(start, end, TextEnd());
    selectionStart_ = range.start;
    selectionEnd_ = range.end;
}

void TextModel::ReplaceSelection(const std::string& text) {
    const int caret = Splice(PointAt(selectionStart_), PointAt(selectionEnd_), text);
    selectionStart_ = selectionEnd_ = caret;
}

TextModel::Point TextModel::PointAt(int position) const {
    position = std::clamp(position, 0, TextEnd());
    LineStart(static_cast<int>(lines_.size()) - 1); // completes the table of starts
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
    const std::size_t line = static_cast<std::size_t>(std::distance(lineStarts_.begin(), after)) - 1;
    return Point{line, static_cast<std::size_t>(position - lineStarts_[line])};
}

int TextModel::Splice(Point from, Point to, const std::string& text) {
    std::vector<std::string> parts = SplitLines(text);
    const std::string tail = lines_[to.line].substr(to.column);
    const std::size_t lastPartSize = parts.back().size();
    parts.front().insert(0, lines_[from.line], 0, from.column);
    parts.back() += tail;

    for (std::size_t i = from.line; i <= to.line; ++i)
        characters_ -= lines_[i].size();
    for (const std::string& part : parts)
        characters_ += part.size();

    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(from.line);
    const std::size_t replaced = to.line - from.line + 1;
    if (parts.size() == 1 && replaced == 1) {
        *first = std::move(parts.front());
    } else {
        lines_.erase(first, first + static_cast<std::ptrdiff_t>(replaced));
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(from.line),
                      std::make_move_iterator(parts.begin()), std::make_move_iterator(parts.end()));
    }
    rememberedEmptyLine_ = false;
    InvalidateStartsFrom(from.line + 1);

    const std::size_t lastLine = from.line + parts.size() - 1;
    const std::size_t column = parts.size() == 1 ? from.column + lastPartSize : lastPartSize;
    return LineStart(static_cast<int>(lastLine)) + static_cast<int>(column);
}

void TextModel::InvalidateStartsFrom(std::size_t line) {
    if (lineStarts_.size() > line)
        lineStarts_.resize(line);
}

} // namespace trelvo
