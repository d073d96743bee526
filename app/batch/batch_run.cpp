#include "batch_run.h"

#include "deck_document.h"
#include "fresh_tables.h"
#include "read_file.h"
#include "replace_file.h"
#include "text_model.h"

#include <filesystem>
#include <ostream>

namespace trelvo {

const char* const kBatchUsageText =
    "Usage: trelvo-batch [--stdout] DECK...\n"
    "Analyses each truss deck as the desktop program's Open and Run analysis do, and\n"
    "writes the deck followed by its results report to the results file (the deck's name\n"
    "cut before its last \".\", followed by \"-RZ.TXT\").\n"
    "\n"
    "  --stdout  write the text to standard output instead of the results file\n"
    "  --help    show this help\n"
    "\n"
    "Exit status: 0 analysed (also when the truss is unstable: the warning goes to\n"
    "standard error), 1 usage error, 2 a deck was refused or could not be read,\n"
    "3 a results file could not be written.\n";

namespace {

// The desktop program names documents by the full path its file requester returns.
std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

void ShowMessage(std::ostream& messages, const std::string& deck, const UserMessage& message) {
    std::string text = message.text;
    for (std::size_t crlf; (crlf = text.find("\r\n")) != std::string::npos;)
        text.replace(crlf, 2, "\n");
    messages << deck << ": " << message.title << "\n" << text << "\n";
}

// After the run's own messages, as the desktop program shows its warning after them.
void ShowMisreadFields(std::ostream& messages, const std::string& deck, const AnalysisOutcome& outcome) {
    for (const MisreadField& field : outcome.misreadFields)
        messages << MisreadFieldDiagnostic(deck, field) << "\n";
}

BatchStatus SaveResults(const std::string& name, const std::string& text, long long loadedSize,
                        std::ostream& messages) {
    const UserMessage tooLong{kWarningTitle, "File is limited to 64000 chars"};
    if (loadedSize > kLoadedSizeLimit) {
        ShowMessage(messages, name, tooLong);
        return kBatchNotWritten;
    }
    if (!ReplaceFileAtomically(name, text)) {
        ShowMessage(messages, name, UserMessage{kWarningTitle, "File " + name + " creation failed"});
        return kBatchNotWritten;
    }
    return kBatchOk;
}

} // namespace

bool ParseBatchOptions(const std::vector<std::string>& arguments, BatchOptions& options,
                       std::string& error) {
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument == "--stdout")
            options.toStdout = true;
        else if (!optionsEnded && (argument == "--help" || argument == "-h"))
            options.help = true;
        else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            error = "unknown option " + argument;
            return false;
        } else
            options.decks.push_back(argument);
    }
    if (options.decks.empty() && !options.help) {
        error = "no deck file given";
        return false;
    }
    return true;
}

BatchStatus AnalyseDeckFile(const std::string& deckPath, bool toStdout, std::ostream& out,
                            std::ostream& messages) {
    const std::string documentName = FullPath(deckPath);
    const std::optional<std::string> bytes = ReadWholeFile(documentName);
    if (!bytes) {
        ShowMessage(messages, deckPath, *UnreadableDeckOutcome(documentName).message);
        return kBatchInputError;
    }
    TextModel editor;
    const DeckDocument document = AnalyseDeckDocument(FreshTables(), *bytes, editor);
    const AnalysisOutcome& outcome = document.outcome;
    if (outcome.IsInputError()) {
        ShowMessage(messages, deckPath, *outcome.message);
        ShowMisreadFields(messages, deckPath, outcome);
        return kBatchInputError;
    }

    const std::string text = editor.GetText();
    BatchStatus status = kBatchOk;
    if (toStdout)
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    else
        status = SaveResults(ResultsFileName(documentName), text, document.loaded.loadedSize,
                              messages);
    if (outcome.message)
        ShowMessage(messages, deckPath, *outcome.message);
    ShowMisreadFields(messages, deckPath, outcome);
    return status;
}

} // namespace trelvo
