// The web page's module: what the desktop editor does with a deck, for a page. Strings cross
// as bytes, one JavaScript character a byte, so document text passes through unchanged
// (Latin-1); UTF-8 texts (the JSON line, the messages) are handed over decoded.
#include "editor/help_texts.h"
#include "editor/insert_refusal.h"
#include "engine/decimal_text.h"
#include "engine/misread_field.h"
#include "engine/run_analysis.h"
#include "files/document_characters.h"
#include "text/deck_document.h"
#include "text/deck_json.h"
#include "text/text_model.h"

#include "app/web/web_strings.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <sstream>

namespace trelvo {
namespace {

using emscripten::val;

// A message box as the page shows it: the title, and the text's lines joined by LF.
val Message(const std::string& title, std::string text) {
    for (std::size_t crlf; (crlf = text.find("\r\n")) != std::string::npos;)
        text.replace(crlf, 2, "\n");
    val message = val::object();
    message.set("title", Utf8Text(title));
    message.set("text", Utf8Text(text));
    return message;
}

// The boxes Run shows, in the desktop editor's order: the engine's message, the misread
// fields with their quotes as text, then the results file's save refusing a long document.
val RunMessages(const DeckDocument& document) {
    const AnalysisOutcome& outcome = document.outcome;
    val messages = val::array();
    if (outcome.message)
        messages.call<void>("push", Message(outcome.message->title, outcome.message->text));
    if (const std::optional<UserMessage> misread = MisreadFieldsWarning(outcome)) {
        std::vector<MisreadField> fields = outcome.misreadFields;
        for (MisreadField& field : fields)
            field.text = Utf8OfDocumentText(field.text);
        messages.call<void>("push", Message(misread->title, MisreadFieldsText(fields)));
    }
    if (document.loaded.loadedSize > kLoadedSizeLimit)
        messages.call<void>("push", Message(kWarningTitle, kTooLongText));
    return messages;
}

// Open then Run on the deck's bytes, as trelvo-batch does; `name` is the deck's name in the
// JSON line. The JSON reads the tables the run left, as the batch's own run leaves them.
val Analyse(const std::string& deck, const std::string& name) {
    const auto tables = std::make_unique<TrussModel>();
    TextModel editor;
    const DeckDocument document = AnalyseDeckDocument(*tables, deck, editor);
    std::ostringstream json;
    WriteDeckJson(json, name, deck, *tables, document.outcome);

    val result = val::object();
    result.set("document", editor.GetText());
    result.set("json", Utf8Text(json.str()));
    result.set("messages", RunMessages(document));
    result.set("inputError", document.outcome.IsInputError());
    result.set("loadedSize", static_cast<double>(document.loaded.loadedSize));
    return result;
}

// What Open puts in the editor: the lines read, joined by CR LF, and the size Save checks.
val OpenDocument(const std::string& bytes) {
    const LoadedDocument loaded = ReadDocumentLines(bytes);
    val result = val::object();
    result.set("text", loaded.text);
    result.set("loadedSize", static_cast<double>(loaded.loadedSize));
    return result;
}

val InsertRefused(unsigned character) {
    return Utf8Text(InsertRefusedText(character));
}

val TooLongText() {
    return Utf8Text(kTooLongText);
}

double LoadedSizeLimit() {
    return static_cast<double>(kLoadedSizeLimit);
}

std::string HelpPageText() {
    return HelpText();
}

std::string ExampleDeck() {
    return HelpExampleDeck();
}

} // namespace

EMSCRIPTEN_BINDINGS(trelvo_documents) {
    emscripten::function("analyse", &Analyse);
    emscripten::function("openDocument", &OpenDocument);
    emscripten::function("resultsFileName", &ResultsFileName);
    emscripten::function("insertRefusedText", &InsertRefused);
    emscripten::function("tooLongText", &TooLongText);
    emscripten::function("loadedSizeLimit", &LoadedSizeLimit);
    emscripten::function("helpText", &HelpPageText);
    emscripten::function("helpExampleDeck", &ExampleDeck);
    // This library has no floating-point std::to_chars: its stand-in is checked from node.
    emscripten::function("shortestDecimal", &ShortestDecimal);
}

} // namespace trelvo
