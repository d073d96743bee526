#include "scripted_platform.h"

#include <gtest/gtest.h>

namespace trelvo::testing {
namespace {

template <class T> T TakeAnswer(std::deque<T>& answers, const char* dialog, T cancelled) {
    if (answers.empty()) {
        ADD_FAILURE() << "no scripted answer for the " << dialog;
        return cancelled;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

// Buttons begin enabled, so that the tests see what the shell itself disables.
ScriptedPlatform::ScriptedPlatform() {
    for (CommandId id : {CommandId::RunAnalysis, CommandId::LaunchViewer})
        buttons[id] = true;
}

bool ScriptedPlatform::IsButtonEnabled(CommandId id) const {
    const auto found = buttons.find(id);
    return found == buttons.end() || found->second;
}

void ScriptedPlatform::BuildStatusBar() {
    ++statusBarBuilds;
    statusTexts = {};
}

void ScriptedPlatform::SetStatusText(int field, const std::string& text) {
    ASSERT_TRUE(field == 0 || field == 1) << "status field " << field;
    statusTexts[static_cast<std::size_t>(field)] = text;
}

void ScriptedPlatform::ShowMessage(const std::string& title, const std::string& text) {
    messages.push_back({title, text});
}

SaveChoice ScriptedPlatform::AskSaveChanges() {
    ++saveQuestions;
    return TakeAnswer(saveChoices, "save-changes question", SaveChoice::Cancel);
}

std::string ScriptedPlatform::Prompt(const std::string&, const std::string&, const std::string&) {
    return TakeAnswer(promptAnswers, "prompt", std::string());
}

std::string ScriptedPlatform::AskOpenFileName(const std::string& title,
                                              const std::string& defaultText) {
    openRequests.push_back({title, defaultText});
    return TakeAnswer(openAnswers, "open requester", std::string());
}

std::string ScriptedPlatform::AskSaveFileName(const std::string& title,
                                              const std::string& defaultText) {
    saveRequests.push_back({title, defaultText});
    return TakeAnswer(saveAnswers, "save requester", std::string());
}

std::optional<FontChoice> ScriptedPlatform::ChooseFont(const std::string&, int) {
    return TakeAnswer(fontChoices, "font dialog", std::optional<FontChoice>());
}

std::unique_ptr<PrintJob> ScriptedPlatform::BeginPrint(const std::string&) {
    if (!TakeAnswer(printAnswers, "print dialog", false))
        return nullptr;
    return std::make_unique<RecordingPrintJob>(printedLines);
}

std::optional<std::string> ScriptedPlatform::ReadFile(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end() || unreadable.contains(path))
        return std::nullopt;
    return found->second;
}

bool ScriptedPlatform::WriteFile(const std::string& path, const std::string& bytes) {
    writeAttempts.push_back(path);
    if (failingWrites.contains(path))
        return false;
    files[path] = bytes;
    return true;
}

bool ScriptedPlatform::StartDetached(const std::string& program,
                                     const std::vector<std::string>& arguments,
                                     const std::string& workingFolder) {
    started.push_back({program, arguments, workingFolder});
    return processStarts;
}

std::string ScriptedPlatform::FindViewer(const std::string& programFileName) {
    viewerQueries.push_back(programFileName);
    return viewerPath;
}

std::string ScriptedEditor::GetText() const {
    ++textReads;
    return model_.GetText();
}

void ScriptedEditor::Remember() {
    undoText_ = model_.GetText();
    ++revision_;
}

void ScriptedEditor::SetText(const std::string& text) {
    Remember();
    model_.SetText(text);
}

void ScriptedEditor::InsertLine(int line, const std::string& text) {
    Remember();
    model_.InsertLine(line, text);
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

void ScriptedEditor::ApplyFont(const FontSpec& font, std::uint32_t) {
    appliedFont = font;
    undoText_.reset();
    model_.SelectRange(0, 0);
}

} // namespace trelvo::testing
