#include "tests/editor/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <utility>

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

void ScriptedDialogs::ShowMessage(const std::string& title, const std::string& text) {
    messages.push_back({title, text});
}

SaveChoice ScriptedDialogs::AskSaveChanges() {
    ++saveQuestions;
    return TakeAnswer(saveChoices, "save-changes question", SaveChoice::Cancel);
}

std::string ScriptedDialogs::Prompt(const std::string& title, const std::string& message,
                                    const std::string& preset) {
    promptRequests.push_back({title, message, preset});
    return TakeAnswer(promptAnswers, "prompt", std::string());
}

std::string ScriptedDialogs::AskOpenFileName(const std::string& title,
                                             const std::string& defaultText) {
    openRequests.push_back({title, defaultText});
    return TakeAnswer(openAnswers, "open requester", std::string());
}

std::string ScriptedDialogs::AskSaveFileName(const std::string& title,
                                             const std::string& defaultText) {
    saveRequests.push_back({title, defaultText});
    return TakeAnswer(saveAnswers, "save requester", std::string());
}

std::optional<FontChoice> ScriptedDialogs::ChooseFont(const std::string& faceName, int pointSize) {
    fontRequests.push_back({faceName, pointSize});
    return TakeAnswer(fontChoices, "font dialog", std::optional<FontChoice>());
}

std::unique_ptr<PrintJob> ScriptedDialogs::BeginPrint(const std::string& jobName) {
    printRequests.push_back(jobName);
    if (!TakeAnswer(printAnswers, "print dialog", false))
        return nullptr;
    return std::make_unique<RecordingPrintJob>(printed, pageHeight);
}

} // namespace trelvo::testing
