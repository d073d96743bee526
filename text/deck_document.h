#pragma once

#include "text/document_text.h"
#include "text/editor_text.h"
#include "engine/run_analysis.h"
#include "engine/truss_model.h"

#include <string>
#include <string_view>

namespace trelvo {

// Runs the analysis of the deck's bytes and, when it gives results, writes the report into
// the editor, which holds the deck: the adjusted matrix at the end, the displacement and
// element sections directly after the deck's last element line.
AnalysisOutcome AnalyseIntoEditor(TrussModel& model, std::string_view deckBytes, EditorText& editor);

// Where Run reads the deck from: the document's file on disk, never the editor.
AnalysisOutcome AnalyseDeckFile(TrussModel& model, const std::string& deckPath, EditorText& editor);

struct DeckDocument {
    LoadedDocument loaded;
    AnalysisOutcome outcome;
};

// Open then Run on a deck file's bytes: the editor gets the document as Open reads it, then
// the report. What trelvo-batch, the viewer and the tests do with a deck.
DeckDocument AnalyseDeckDocument(TrussModel& model, std::string_view deckBytes, EditorText& editor);

} // namespace trelvo
