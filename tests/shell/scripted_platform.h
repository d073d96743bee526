#pragma once

// Stand-ins for the toolkit interface: a platform that answers every dialog from queues the
// test fills and records everything the shell shows or starts, and an editor on the
// in-memory text model.

#include "platform.h"
#include "text_model.h"

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace trelvo::testing {

struct ShownMessage {
    std::string title;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

struct FileRequest {
    std::string title;
    std::string defaultText;
    bool operator==(const FileRequest&) const = default;
};

struct StartedProcess {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;
};

class RecordingPrintJob final : public PrintJob {
public:
    explicit RecordingPrintJob(std::vector<std::string>& drawn) : drawn_(drawn) {}
    void SetFont(const FontSpec&, std::uint32_t) override {}
    void DrawText(int, int, const std::string& text) override { drawn_.push_back(text); }
    int PageHeight() const override { return 6600; }
    void NewPage() override {}
    void Finish() override {}

private:
    std::vector<std::string>& drawn_;
};

class ScriptedPlatform final : public WindowPort, public DialogPort, public FilePort, public SystemPort {
public:
    PlatformPorts Ports() { return {*this, *this, *this, *this}; }

    // Answers, in the order the dialogs are shown. A dialog without a scripted answer fails
    // the test and is treated as cancelled.
    std::deque<SaveChoice> saveChoices;
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<std::string> promptAnswers;
    std::deque<std::optional<FontChoice>> fontChoices;
    std::deque<bool> printAnswers;

    // What was shown, asked, started and drawn.
    std::vector<ShownMessage> messages;
    int saveQuestions = 0;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    std::vector<StartedProcess> started;
    std::vector<std::string> viewerQueries;
    std::vector<std::string> printedLines;
    std::vector<std::string> writeAttempts;
    int quitRequests = 0;

    // Window state.
    std::map<CommandId, bool> buttons;
    std::map<CommandId, bool> menuChecks;
    std::map<CommandId, bool> buttonChecks;
    std::array<std::string, 2> statusTexts;
    int statusBarBuilds = 0;
    bool helpWindowShown = false;

    // The file system: path -> bytes; unreadable paths fail to read, failing paths fail to
    // be written and keep what they held, as an atomic replace does.
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    std::set<std::string> failingWrites;

    std::string currentFolder = "/home/ana/trusses";
    std::string viewerPath;    // what FindViewer answers; empty: not found
    bool processStarts = true; // what StartDetached answers
    LocalTime now{2026, 12, 7, 9, 5};

    ScriptedPlatform();

    void SetButtonEnabled(CommandId id, bool enabled) override { buttons[id] = enabled; }
    bool IsButtonEnabled(CommandId id) const override;
    void SetButtonChecked(CommandId id, bool checked) override { buttonChecks[id] = checked; }
    void SetMenuChecked(CommandId id, bool checked) override { menuChecks[id] = checked; }
    void BuildStatusBar() override;
    void SetStatusText(int field, const std::string& text) override;
    void ShowHelpWindow(bool shown) override { helpWindowShown = shown; }
    void RequestQuit() override { ++quitRequests; }

    void ShowMessage(const std::string& title, const std::string& text) override;
    SaveChoice AskSaveChanges() override;
    std::string Prompt(const std::string& title, const std::string& message,
                       const std::string& preset) override;
    std::string AskOpenFileName(const std::string& title, const std::string& defaultText) override;
    std::string AskSaveFileName(const std::string& title, const std::string& defaultText) override;
    std::optional<FontChoice> ChooseFont(const std::string& faceName, int pointSize) override;
    std::unique_ptr<PrintJob> BeginPrint(const std::string& jobName) override;

    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override;
    std::string FindViewer(const std::string& programFileName) override;
    std::string CurrentFolder() override { return currentFolder; }
    LocalTime Now() override { return now; }
    int DisplayDpiY() override { return 96; }

    bool RunEnabled() const { return IsButtonEnabled(CommandId::RunAnalysis); }
    bool LaunchEnabled() const { return IsButtonEnabled(CommandId::LaunchViewer); }
};

// The editor on the text model. Every change of the text raises the revision; Undo takes
// back the last change only, as a single-level undo does.
class ScriptedEditor final : public EditorControl {
public:
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    int LineCount() const override { return model_.LineCount(); }
    std::string GetLine(int line) const override { return model_.GetLine(line); }
    int LineStart(int line) const override { return model_.LineStart(line); }
    int TextEnd() const override { return model_.TextEnd(); }
    void InsertLine(int line, const std::string& text) override;
    void SelectRange(int start, int end) override { model_.SelectRange(start, end); }
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
    std::optional<FontSpec> appliedFont;

private:
    void Remember();

    TextModel model_;
    std::uint64_t revision_ = 0;
    std::optional<std::string> undoText_;
};

} // namespace trelvo::testing
