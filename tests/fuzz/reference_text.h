#pragma once

#include <algorithm>
#include <string>

// The editor text rules in their plainest form: one string in which every line end is a
// single '\n', so positions are plain indexes. Slow, and obviously right.
class ReferenceText {
public:
    static std::string Normalise(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                out += '\n';
                if (i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
            } else {
                out += text[i];
            }
        }
        return out;
    }

    std::string GetText() const {
        std::string out;
        for (const char c : text_)
            out += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return out;
    }
    void SetText(const std::string& text) {
        text_ = Normalise(text);
        remembered_ = false;
        start_ = end_ = 0;
    }
    int LineCount() const {
        if (text_.empty())
            return remembered_ ? 1 : 0;
        return static_cast<int>(std::count(text_.begin(), text_.end(), '\n')) + 1;
    }
    int LineStart(int line) const {
        if (line < 0)
            return -1;
        int position = 0;
        for (int i = 0; i < line; ++i) {
            const std::size_t next = text_.find('\n', static_cast<std::size_t>(position));
            if (next == std::string::npos)
                return TextEnd();
            position = static_cast<int>(next) + 1;
        }
        return position;
    }
    std::string GetLine(int line) const {
        const int lines = text_.empty() ? 1 : LineCount();
        if (line < 0 || line >= lines)
            return {};
        const std::size_t start = static_cast<std::size_t>(LineStart(line));
        return text_.substr(start, text_.find('\n', start) - start);
    }
    int TextEnd() const { return static_cast<int>(text_.size()); }
    void InsertLine(int line, const std::string& text) {
        if (line >= 0 && line < LineCount()) {
            Splice(LineStart(line), LineStart(line), text + "\r\n");
        } else if (text_.empty() && !remembered_) {
            if (text.empty())
                remembered_ = true;
            else
                Splice(0, 0, text);
        } else {
            Splice(TextEnd(), TextEnd(), "\r\n" + text);
        }
    }
    void SelectRange(int start, int end) {
        if (start < 0) {
            start_ = end_;
            return;
        }
        if (end < 0)
            end = TextEnd();
        start = std::min(start, TextEnd());
        end = std::min(end, TextEnd());
        start_ = std::min(start, end);
        end_ = std::max(start, end);
    }
    void ReplaceSelection(const std::string& text) {
        const int caret = Splice(start_, end_, text);
        start_ = end_ = caret;
    }

private:
    int Splice(int from, int to, const std::string& text) {
        const std::string inserted = Normalise(text);
        text_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), inserted);
        remembered_ = false;
        return from + static_cast<int>(inserted.size());
    }

    std::string text_;
    bool remembered_ = false;
    int start_ = 0;
    int end_ = 0;
};
