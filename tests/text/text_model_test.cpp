#include "text/text_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace trelvo {
namespace {

TEST(TextModel, LinesAndPositionsCountALineEndOnce) {
    EXPECT_EQ(TextModel().LineCount(), 0);
    EXPECT_EQ(TextModel().TextEnd(), 0);
    TextModel model("ab\r\ncd");
    EXPECT_EQ(model.LineCount(), 2);
    EXPECT_EQ(model.GetLine(0), "ab");
    EXPECT_EQ(model.GetLine(1), "cd");
    EXPECT_EQ(model.LineStart(0), 0);
    EXPECT_EQ(model.LineStart(1), 3);
    EXPECT_EQ(model.TextEnd(), 5);
    EXPECT_EQ(model.GetText().size(), 6u);
}

TEST(TextModel, TrailingLineEndMakesAnEmptyLastLine) {
    TextModel model("ab\r\ncd\r\n");
    EXPECT_EQ(model.LineCount(), 3);
    EXPECT_EQ(model.GetLine(2), "");
    EXPECT_EQ(model.LineStart(2), 6);
    EXPECT_EQ(model.TextEnd(), 6);
    EXPECT_EQ(model.GetText(), "ab\r\ncd\r\n");
}

TEST(TextModel, InsertLinePastTheEndAppendsAfterALineEnd) {
    TextModel model;
    model.InsertLine(-1, "x");
    EXPECT_EQ(model.GetText(), "x");
    model.InsertLine(-1, "y");
    EXPECT_EQ(model.GetText(), "x\r\ny");
    model.InsertLine(7, "z");
    EXPECT_EQ(model.GetText(), "x\r\ny\r\nz");
    model.InsertLine(model.LineCount(), "");
    EXPECT_EQ(model.GetText(), "x\r\ny\r\nz\r\n");
    EXPECT_EQ(model.LineCount(), 4);
}

TEST(TextModel, EmptyLineAddedToEmptyTextIsRemembered) {
    TextModel model;
    model.InsertLine(-1, "");
    EXPECT_EQ(model.GetText(), "");
    EXPECT_EQ(model.LineCount(), 1);
    model.InsertLine(-1, "y");
    EXPECT_EQ(model.GetText(), "\r\ny");
    EXPECT_EQ(model.LineCount(), 2);
    EXPECT_EQ(model.LineStart(1), 1);

    TextModel twice;
    twice.InsertLine(0, "");
    twice.InsertLine(1, "");
    EXPECT_EQ(twice.GetText(), "\r\n");
    EXPECT_EQ(twice.LineCount(), 2);
}

TEST(TextModel, SetTextForgetsTheRememberedLine) {
    TextModel model;
    model.InsertLine(-1, "");
    model.SetText("");
    EXPECT_EQ(model.LineCount(), 0);
    model.InsertLine(-1, "y");
    EXPECT_EQ(model.GetText(), "y");
}

TEST(TextModel, InsertLineAtAnExistingLinePushesItDown) {
    TextModel model("ab");
    model.InsertLine(0, "t");
    EXPECT_EQ(model.GetText(), "t\r\nab");

    model.SetText("a\r\nb\r\nc");
    model.InsertLine(1, "m");
    EXPECT_EQ(model.GetText(), "a\r\nm\r\nb\r\nc");
    EXPECT_EQ(model.GetLine(2), "b");
    EXPECT_EQ(model.LineStart(2), 4);
    EXPECT_EQ(model.LineStart(3), 6);
}

TEST(TextModel, InsertTextAtLineKeepsTheOldLineUnchanged) {
    TextModel model("a\r\nold line\r\nc");
    InsertTextAtLine(model, 1, "new 1\r\nnew 2\r\n");
    EXPECT_EQ(model.GetText(), "a\r\nnew 1\r\nnew 2\r\nold line\r\nc");
    // A line that does not exist falls back to appending.
    InsertTextAtLine(model, 9, "!");
    EXPECT_EQ(model.GetText(), "a\r\nnew 1\r\nnew 2\r\nold line\r\nc!");
}

TEST(TextModel, AppendTextGoesAtTheEnd) {
    TextModel model("a\r\nb");
    model.SelectRange(0, 1);
    AppendText(model, "\r\n");
    EXPECT_EQ(model.GetText(), "a\r\nb\r\n");
    EXPECT_EQ(model.LineCount(), 3);
    AppendText(model, "c");
    EXPECT_EQ(model.GetText(), "a\r\nb\r\nc");
}

TEST(TextModel, ReplaceSelectionAcrossLines) {
    TextModel model("abc\r\ndef\r\nghi");
    model.SelectRange(2, 9); // "c", line end, "def", line end, "g"
    model.ReplaceSelection("X");
    EXPECT_EQ(model.GetText(), "abXhi");
    EXPECT_EQ(model.LineCount(), 1);
    EXPECT_EQ(model.TextEnd(), 5);
}

TEST(TextModel, ReplacementWithLineEndsSplitsTheLine) {
    TextModel model("ab");
    model.SelectRange(1, 1);
    model.ReplaceSelection("1\r\n2\r\n");
    EXPECT_EQ(model.GetText(), "a1\r\n2\r\nb");
    EXPECT_EQ(model.LineCount(), 3);
    EXPECT_EQ(model.LineStart(2), 5);
}

TEST(TextModel, SelectionEndOfMinusOneMeansTheEndOfTheText) {
    TextModel model("ab\r\ncd");
    model.SelectRange(1, -1);
    model.ReplaceSelection("");
    EXPECT_EQ(model.GetText(), "a");
}

TEST(TextModel, StartOfMinusOneRemovesTheSelection) {
    TextModel model("abcd");
    model.SelectRange(1, 3);
    model.SelectRange(-1, 0);
    model.ReplaceSelection("x");
    // Nothing selected is replaced: all four characters are still there.
    std::string text = model.GetText();
    ASSERT_EQ(text.size(), 5u);
    text.erase(text.find('x'), 1);
    EXPECT_EQ(text, "abcd");
}

// A trivially simple document: a string with "\n" line ends, in which a position is an
// index, plus the remembered empty line.
class ReferenceText {
  public:
    static std::string Lf(const std::string& crlf) {
        std::string text;
        for (std::size_t i = 0; i < crlf.size(); ++i)
            if (crlf.compare(i, 2, "\r\n") == 0)
                text += '\n', ++i;
            else
                text += crlf[i];
        return text;
    }

    std::string GetText() const {
        std::string crlf;
        for (char c : text_)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return crlf;
    }
    int LineCount() const {
        if (text_.empty())
            return remembered_ ? 1 : 0;
        return static_cast<int>(std::count(text_.begin(), text_.end(), '\n')) + 1;
    }
    int LineStart(int line) const {
        std::size_t position = 0;
        for (int i = 0; i < line; ++i)
            position = text_.find('\n', position) + 1;
        return static_cast<int>(position);
    }
    std::string GetLine(int line) const {
        const std::size_t start = static_cast<std::size_t>(LineStart(line));
        return text_.substr(start, text_.find('\n', start) - start);
    }
    int TextEnd() const { return static_cast<int>(text_.size()); }
    bool IsRememberedOnly() const { return text_.empty() && remembered_; }

    void SetText(const std::string& text) {
        text_ = Lf(text);
        remembered_ = false;
    }
    void InsertLine(int line, const std::string& text) {
        if (line >= 0 && line < LineCount())
            text_.insert(static_cast<std::size_t>(LineStart(line)), Lf(text) + "\n");
        else if (text_.empty() && !remembered_ && text.empty()) {
            remembered_ = true;
            return;
        } else
            text_ += (text_.empty() && !remembered_ ? "" : "\n") + Lf(text);
        remembered_ = false;
    }
    void Replace(int start, int end, const std::string& text) {
        text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start),
                      Lf(text));
    }

  private:
    std::string text_;
    bool remembered_ = false;
};

void ExpectSame(const TextModel& model, const ReferenceText& reference, int step) {
    ASSERT_EQ(model.GetText(), reference.GetText()) << "step " << step;
    ASSERT_EQ(model.LineCount(), reference.LineCount()) << "step " << step;
    ASSERT_EQ(model.TextEnd(), reference.TextEnd()) << "step " << step;
    ASSERT_EQ(model.TextLength(), model.GetText().size()) << "step " << step;
    for (int line = 0; line < reference.LineCount(); ++line) {
        ASSERT_EQ(model.LineStart(line), reference.LineStart(line))
            << "step " << step << " line " << line;
        ASSERT_EQ(model.GetLine(line), reference.GetLine(line))
            << "step " << step << " line " << line;
    }
}

class RandomEdits {
  public:
    explicit RandomEdits(unsigned seed) : random_(seed) {}

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    std::string Text() {
        static const char* const pieces[] = {"",       "a",        "bc",         "\r\n",
                                             "x\r\ny", "\r\n\r\n", "a long line"};
        std::string text;
        for (int i = Below(3); i > 0; --i)
            text += pieces[Below(7)];
        return text;
    }

  private:
    std::mt19937 random_;
};

TEST(TextModel, AgreesWithASimpleReferenceUnderRandomEdits) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        RandomEdits random(seed);
        TextModel model;
        ReferenceText reference;
        for (int step = 0; step < 300; ++step) {
            const int operation = random.Below(10);
            const std::string text = random.Text();
            if (operation == 0) {
                model.SetText(text);
                reference.SetText(text);
            } else if (operation <= 4) {
                const int line = random.Below(reference.LineCount() + 3) - 1;
                model.InsertLine(line, text);
                reference.InsertLine(line, text);
            } else if (!reference.IsRememberedOnly()) {
                // Select and replace, as the report's Append and Insert do.
                int start = random.Below(reference.TextEnd() + 1);
                int end = random.Below(reference.TextEnd() + 1);
                if (operation <= 6)
                    end = start;
                if (start > end)
                    std::swap(start, end);
                model.SelectRange(start, end);
                model.ReplaceSelection(text);
                reference.Replace(start, end, text);
            }
            ExpectSame(model, reference, step);
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
} // namespace trelvo
