#include "app/batch/batch_run.h"

#include "text/deck_document.h"
#include "text/deck_json.h"
#include "app/batch/deck_input.h"
#include "app/batch/fresh_tables.h"
#include "files/replace_file.h"
#include "text/text_model.h"

#include <ostream>

namespace trelvo {
namespace {

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
    const UserMessage tooLong{kWarningTitle, kTooLongText};
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

BatchStatus WriteDocumentText(const std::string& deckPath, const DeckInput& deck, bool toStdout,
                              std::ostream& out, std::ostream& messages) {
    if (!deck.bytes) {
        ShowMessage(messages, deckPath, *UnreadableDeckOutcome(deck.documentName).message);
        return kBatchInputError;
    }
    TextModel editor;
    const DeckDocument document = AnalyseDeckDocument(FreshTables(), *deck.bytes, editor);
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
        status = SaveResults(ResultsFileName(deck.documentName), text, document.loaded.loadedSize,
                              messages);
    if (outcome.message)
        ShowMessage(messages, deckPath, *outcome.message);
    ShowMisreadFields(messages, deckPath, outcome);
    return status;
}

// The JSON needs no document: the engine's run alone, without the report's text.
BatchStatus WriteJson(const std::string& deckPath, const DeckInput& deck, std::ostream& out) {
    if (!deck.bytes) {
        WriteUnreadableDeckJson(out, deckPath, UnreadableDeckOutcome(deck.documentName));
        return kBatchInputError;
    }
    TrussModel& tables = FreshTables();
    const AnalysisOutcome outcome = AnalyseDeck(tables, *deck.bytes);
    WriteDeckJson(out, deckPath, *deck.bytes, tables, outcome);
    return outcome.IsInputError() ? kBatchInputError : kBatchOk;
}

} // namespace

BatchStatus AnalyseDeckFile(const std::string& deckPath, BatchOutput output, std::ostream& out,
                            std::ostream& messages) {
    const DeckInput deck = ReadDeck(deckPath);
    if (output == BatchOutput::kJson)
        return WriteJson(deckPath, deck, out);
    return WriteDocumentText(deckPath, deck, output == BatchOutput::kStdout, out, messages);
}

} // namespace trelvo
