#pragma once

// Stand-ins for the platform and the editor control, for the commands that ask the user
// (prompts, the font dialog) or print. Answers are scripted in advance; what the commands
// asked for and drew is recorded for the tests to check.

#include "platform.h"
#include "text_model.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trelvo::doubles {

struct PromptCall {
    std::string title;
    std::string message;
    std::string preset;
};

struct FontDialogCall {
    std::string faceName;
    int pointSize = 0;
};

struct DrawCall {
    int x = 0;
    int y = 0;
    std::string text;
};

// Everything one print job received, kept after the job itself is gone.
struct PrintRecord {
    std::vector<std::vector<DrawCall>> pages; // pages.size() pages, each with its lines
    std::vector<FontSpec> fonts;
    std::vector<std::uint32_t> colours;
    bool finished = false;
    int callsAfterFinish = 0;
};

class RecordingPrintJob final : public PrintJob {
public:
    RecordingPrintJob(PrintRecord& record, int pageHeight)
        : record_(record), pageHeight_(pageHeight) {
        record_.pages.emplace_back();
    }

    void SetFont(const FontSpec& font, std::uint32_t colour) override {
        NoteCall();
        record_.fonts.push_back(font);
        record_.colours.push_back(colour);
    }
    void DrawText(int x, int y, const std::string& text) override {
        NoteCall();
        record_.pages.back().push_back(DrawCall{x, y, text});
    }
    int PageHeight() const override { return pageHeight_; }
    void NewPage() override {
        NoteCall();
        record_.pages.emplace_back();
    }
    void Finish() override {
        NoteCall();
        record_.finished = true;
    }

private:
    void NoteCall() {
        if (record_.finished)
            ++record_.callsAfterFinish;
    }

    PrintRecord& record_;
    int pageHeight_;
};

class CommandTestPlatform final : public DialogPort {
public:
    // Scripted answers.
    std::deque<std::string> promptAnswers; // an empty queue answers like a cancel
    std::optional<FontChoice> fontChoice;  // nothing: the font dialog is cancelled
    bool printDialogConfirmed = true;
    int pageHeight = 6600; // 11 inches in 1/600 inch
    int dpiY = 96;

    // What the commands asked for.
    std::vector<PromptCall> prompts;
    std::vector<FontDialogCall> fontDialogs;
    std::vector<std::string> printJobNames;
    PrintRecord print;

    std::string Prompt(const std::string& title, const std::string& message,
                       const std::string& preset) override {
        prompts.push_back(PromptCall{title, message, preset});
        if (promptAnswers.empty())
            return {};
        std::string answer = promptAnswers.front();
        promptAnswers.pop_front();
        return answer;
    }
    std::optional<FontChoice> ChooseFont(const std::string& faceName, int pointSize) override {
        fontDialogs.push_back(FontDialogCall{faceName, pointSize});
        return fontChoice;
    }
    std::unique_ptr<PrintJob> BeginPrint(const std::string& jobName) override {
        printJobNames.push_back(jobName);
        if (!printDialogConfirmed)
            return nullptr;
        return std::make_unique<RecordingPrintJob>(print, pageHeight);
    }

    // Not used by these commands.
    void ShowMessage(const std::string&, const std::string&) override {}
    SaveChoice AskSaveChanges() override { return SaveChoice::Cancel; }
    std::string AskOpenFileName(const std::string&, const std::string&) override { return {}; }
    std::string AskSaveFileName(const std::string&, const std::string&) override { return {}; }
};

struct SelectCall {
    int start = 0;
    int end = 0;
};

struct AppliedFont {
    FontSpec font;
    std::uint32_t colour = 0;
};

// An editor control over the in-memory text model that records selections and font
// changes; applying a font keeps the text and forgets the undo history, as the real
// control does when it is created anew.
class RecordingEditor final : public EditorControl {
public:
    RecordingEditor() = default;
    explicit RecordingEditor(const std::string& text) : model_(text) {}

    std::vector<SelectCall> selectCalls;
    std::vector<AppliedFont> appliedFonts;
    int setTextCalls = 0;
    int undoHistory = 0; // changes the control could still undo

    const TextModel& Model() const { return model_; }

    std::string GetText() const override { return model_.GetText(); }
    void SetText(const std::string& text) override {
        ++setTextCalls;
        Changed();
        model_.SetText(text);
    }
    int LineCount() const override { return model_.LineCount(); }
    std::string GetLine(int line) const override { return model_.GetLine(line); }
    int LineStart(int line) const override { return model_.LineStart(line); }
    int TextEnd() const override { return model_.TextEnd(); }
    void InsertLine(int line, const std::string& text) override {
        Changed();
        model_.InsertLine(line, text);
    }
    void SelectRange(int start, int end) override {
        selectCalls.push_back(SelectCall{start, end});
        model_.SelectRange(start, end);
    }
    void ReplaceSelection(const std::string& text) override {
        Changed();
        model_.ReplaceSelection(text);
    }

    void Undo() override {}
    void Cut() override {}
    void Copy() override {}
    void Paste() override {}
    void ApplyFont(const FontSpec& font, std::uint32_t colour) override {
        appliedFonts.push_back(AppliedFont{font, colour});
        undoHistory = 0;
        model_.SelectRange(0, 0);
    }
    std::uint64_t Revision() const override { return revision_; }
    std::size_t TextLength() const override { return model_.TextLength(); }
    std::optional<int> FirstUnencodableLine() const override { return std::nullopt; }

private:
    void Changed() {
        ++revision_;
        ++undoHistory;
    }

    TextModel model_;
    std::uint64_t revision_ = 0;
};

} // namespace trelvo::doubles
