#pragma once

// The editor control on the in-memory text model. Every change of the text raises the
// revision; Undo takes back the last change only, as a single-level undo does; applying a
// font keeps the text and forgets the undo history, as the real control does when it is
// created anew. What the commands read, selected and applied is recorded.

#include "editor/platform.h"
#include "text/text_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trelvo::testing {

struct SelectCall {
    int start = 0;
    int end = 0;
};

struct AppliedFont {
    FontSpec font;
    std::uint32_t colour = 0;
};

class ScriptedEditor final : public EditorControl {
public:
    ScriptedEditor() = default;
    // Starts with the text as if the control had been created with it: nothing to undo.
    explicit ScriptedEditor(const std::string& text) : model_(text) {}

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    int LineCount() const override { return model_.LineCount(); }
    std::string GetLine(int line) const override { return model_.GetLine(line); }
    int LineStart(int line) const override { return model_.LineStart(line); }
    int TextEnd() const override { return model_.TextEnd(); }
    void InsertLine(int line, const std::string& text) override;
    void SelectRange(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;

    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void ApplyFont(const FontSpec& font, std::uint32_t colour) override;
    std::uint64_t Revision() const override { return revision_; }
    std::size_t TextLength() const override { return model_.TextLength(); }
    std::optional<int> FirstUnencodableLine() const override { return unencodableLine; }

    // Typing: the text replaces the selection, as keys typed into the control do.
    void Type(const std::string& text) { ReplaceSelection(text); }
    int SelectionStart() const { return model_.SelectionStart(); }
    int SelectionEnd() const { return model_.SelectionEnd(); }

    std::string clipboard;
    // The line the control would name as holding a character one byte cannot hold.
    std::optional<int> unencodableLine;

    mutable int textReads = 0; // calls of GetText
    int setTextCalls = 0;
    std::vector<SelectCall> selectCalls;
    std::vector<AppliedFont> appliedFonts;

private:
    void Remember();

    TextModel model_;
    std::uint64_t revision_ = 0;
    std::optional<std::string> undoText_;
};

} // namespace trelvo::testing
