#include "tests/editor/scripted_editor.h"

namespace trelvo::testing {

std::string ScriptedEditor::GetText() const {
    ++textReads;
    return model_.GetText();
}

void ScriptedEditor::Remember() {
    undoText_ = model_.GetText();
    ++revision_;
}

void ScriptedEditor::SetText(const std::string& text) {
    ++setTextCalls;
    Remember();
    model_.SetText(text);
}

void ScriptedEditor::InsertLine(int line, const std::string& text) {
    Remember();
    model_.InsertLine(line, text);
}

void ScriptedEditor::SelectRange(int start, int end) {
    selectCalls.push_back(SelectCall{start, end});
    model_.SelectRange(start, end);
}

void ScriptedEditor::ReplaceSelection(const std::string& text) {
    Remember();
    model_.ReplaceSelection(text);
}

void ScriptedEditor::Undo() {
    if (!undoText_)
        return;
    const std::string previous = *undoText_;
    undoText_.reset();
    ++revision_;
    model_.SetText(previous);
}

void ScriptedEditor::Cut() {
    Copy();
    if (model_.SelectionStart() != model_.SelectionEnd())
        ReplaceSelection("");
}

void ScriptedEditor::Copy() {
    const int start = model_.SelectionStart();
    const int end = model_.SelectionEnd();
    if (start == end)
        return;
    // Positions count a line end as one character; the clipboard gets CR LF.
    std::string text = model_.GetText();
    std::string flat;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            flat += text[i];
    std::string copied;
    for (char c :
         flat.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)))
        copied += c == '\n' ? std::string("\r\n") : std::string(1, c);
    clipboard = copied;
}

void ScriptedEditor::Paste() {
    if (!clipboard.empty())
        ReplaceSelection(clipboard);
}

void ScriptedEditor::ApplyFont(const FontSpec& font, std::uint32_t colour) {
    appliedFonts.push_back(AppliedFont{font, colour});
    undoText_.reset();
    model_.SelectRange(0, 0);
}

} // namespace trelvo::testing
