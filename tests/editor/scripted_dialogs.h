#pragma once

// The dialogs, answered from queues the test fills, in the order the dialogs are shown. A
// dialog without a scripted answer fails the test and is treated as cancelled; a prompt is
// cancelled by answering it with an empty text. Every dialog shown is recorded with what
// it was shown with.

#include "editor/platform.h"
#include "tests/editor/recording_print_job.h"

#include <deque>
#include <memory>
#include <optional>
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

struct PromptRequest {
    std::string title;
    std::string message;
    std::string preset;
};

struct FontRequest {
    std::string faceName;
    int pointSize = 0;
};

class ScriptedDialogs : public DialogPort {
public:
    // Answers.
    std::deque<SaveChoice> saveChoices;
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<std::string> promptAnswers;
    std::deque<std::optional<FontChoice>> fontChoices; // nothing: the dialog is cancelled
    std::deque<bool> printAnswers;                     // false: the dialog is cancelled
    int pageHeight = 6600; // of the printed pages: 11 inches in 1/600 inch

    // What was shown and asked, and what the print jobs drew.
    std::vector<ShownMessage> messages;
    int saveQuestions = 0;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    std::vector<PromptRequest> promptRequests;
    std::vector<FontRequest> fontRequests;
    std::vector<std::string> printRequests; // the job names
    PrintRecord printed;

    void ShowMessage(const std::string& title, const std::string& text) override;
    SaveChoice AskSaveChanges() override;
    std::string Prompt(const std::string& title, const std::string& message,
                       const std::string& preset) override;
    std::string AskOpenFileName(const std::string& title, const std::string& defaultText) override;
    std::string AskSaveFileName(const std::string& title, const std::string& defaultText) override;
    std::optional<FontChoice> ChooseFont(const std::string& faceName, int pointSize) override;
    std::unique_ptr<PrintJob> BeginPrint(const std::string& jobName) override;
};

} // namespace trelvo::testing
