#include "text/deck_document.h"

#include "files/read_file.h"
#include "engine/results_report.h"

#include <algorithm>

namespace trelvo {
namespace {

// The sections go after the deck's last element line, counted from 0 (the title line),
// or at the end of a shorter text.
int SectionsLine(const TrussModel& model, const EditorText& editor) {
    const int lastDeckLine = model.nodeCount + model.elementCount + 1;
    return std::min(editor.LineCount(), lastDeckLine) + 1;
}

// The matrix first, at the end: where the sections go depends on the lines it adds.
void InsertReport(const TrussModel& model, const AnalysisResults& results, EditorText& editor) {
    AppendText(editor, "\r\n");
    if (results.hasAdjustedMatrix) {
        editor.InsertLine(editor.LineCount(), kAdjustedMatrixHeading);
        if (const std::string rows = FormatAdjustedMatrixRows(results); !rows.empty())
            AppendText(editor, rows);
    }
    InsertTextAtLine(editor, SectionsLine(model, editor), FormatResultSections(results));
}

} // namespace

AnalysisOutcome AnalyseIntoEditor(TrussModel& model, std::string_view deckBytes, EditorText& editor) {
    AnalysisOutcome outcome = AnalyseDeck(model, deckBytes);
    if (outcome.results)
        InsertReport(model, *outcome.results, editor);
    return outcome;
}

AnalysisOutcome AnalyseDeckFile(TrussModel& model, const std::string& deckPath, EditorText& editor) {
    const std::optional<std::string> bytes = ReadWholeFile(deckPath);
    if (!bytes)
        return UnreadableDeckOutcome(deckPath);
    return AnalyseIntoEditor(model, *bytes, editor);
}

DeckDocument AnalyseDeckDocument(TrussModel& model, std::string_view deckBytes, EditorText& editor) {
    DeckDocument document{ReadDocumentLines(deckBytes), {}};
    PutDocumentText(document.loaded, editor);
    document.outcome = AnalyseIntoEditor(model, deckBytes, editor);
    return document;
}

} // namespace trelvo
