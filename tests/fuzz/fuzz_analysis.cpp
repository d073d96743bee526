// A whole analysis of a deck given as bytes, the way trelvo-batch takes it: load the file
// into the document as Open does, analyse it on fresh tables, report into the document.
#include "text/deck_document.h"
#include "tests/fuzz/fuzz_check.h"
#include "engine/run_analysis.h"
#include "text/text_model.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace trelvo;

// Offset in a CR LF text of the start of line `line` (counted from 0), or npos.
std::size_t LineOffset(const std::string& text, int line) {
    std::size_t offset = 0;
    for (int i = 0; i < line; ++i) {
        offset = text.find("\r\n", offset);
        if (offset == std::string::npos)
            return offset;
        offset += 2;
    }
    return offset;
}

// Takes `expected` at `at` and moves past it.
void Expect(const std::string& text, std::size_t& at, const std::string& expected) {
    FUZZ_CHECK(at != std::string::npos && text.compare(at, expected.size(), expected) == 0);
    at += expected.size();
}

// `rows` rows numbered 1, 2, ... with two blanks after the number, each ending in CR LF.
void ExpectRows(const std::string& text, std::size_t& at, int rows) {
    for (int k = 1; k <= rows; ++k) {
        Expect(text, at, std::to_string(k) + "  ");
        at = text.find("\r\n", at);
        FUZZ_CHECK(at != std::string::npos);
        at += 2;
    }
}

// The line the report sections start at: directly after the deck's element lines when the
// document holds that many lines, otherwise at the end of the text the opening (and the
// adjusted matrix) left, whose last line is empty.
int ReportLine(const TrussModel& model, const std::string& before, int linesBefore) {
    const int opened = before.empty() ? 2 : linesBefore + 1;
    const int lines = opened + (model.printAdjustedK ? 2 + model.dofCount : 0);
    const int afterDeck = std::min(lines, model.nodeCount + model.elementCount + 1) + 1;
    return std::min(afterDeck, lines - 1);
}

// Every field noted as read in part stands on a line of the deck, holds text, and (but for
// the area, which is the rest of its line) is one blank-free field of that line.
void CheckMisreadFields(const AnalysisOutcome& outcome, std::string_view deck) {
    const auto lines = static_cast<int>(std::count(deck.begin(), deck.end(), '\n') +
                                        std::count(deck.begin(), deck.end(), '\r') + 1);
    int previousLine = 0;
    for (const MisreadField& field : outcome.misreadFields) {
        FUZZ_CHECK(field.line >= 2 && field.line <= lines);
        FUZZ_CHECK(field.line >= previousLine);
        FUZZ_CHECK(field.field >= 1 && field.field <= 10);
        FUZZ_CHECK(!field.text.empty());
        FUZZ_CHECK(field.field == 5 || field.text.find(' ') == std::string::npos);
        previousLine = field.line;
    }
}

// One reaction row a node, a value exactly at the fixed directions.
void CheckEquilibrium(const AnalysisOutcome& outcome, const TrussModel& model) {
    FUZZ_CHECK(outcome.equilibrium.has_value());
    const Equilibrium& check = *outcome.equilibrium;
    FUZZ_CHECK(check.reactions.size() == static_cast<std::size_t>(model.nodeCount));
    for (int n = 1; n <= model.nodeCount; ++n)
        for (int d = 1; d <= 3; ++d)
            FUZZ_CHECK(check.reactions[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(d - 1)]
                           .has_value() == (model.fixed[d][n] == 1));
    FUZZ_CHECK(!(check.residual < 0.0) && !(check.relative < 0.0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view deck(reinterpret_cast<const char*>(data), size);
    const auto model = std::make_unique<TrussModel>();
    TextModel editor;
    PutDocumentText(ReadDocumentLines(deck), editor);
    const std::string before = editor.GetText();
    const int linesBefore = editor.LineCount();

    const AnalysisOutcome outcome = AnalyseIntoEditor(*model, deck, editor);
    const std::string after = editor.GetText();
    CheckMisreadFields(outcome, deck);
    if (outcome.IsInputError()) {
        FUZZ_CHECK(after == before); // a refused deck leaves the document alone
        FUZZ_CHECK(outcome.message->title == kInputErrorsTitle);
        FUZZ_CHECK(!outcome.equilibrium);
        return 0;
    }
    CheckEquilibrium(outcome, *model);
    FUZZ_CHECK(model->nodeCount >= 0 && model->nodeCount <= kMaxNodes);
    FUZZ_CHECK(model->elementCount >= 0 && model->elementCount <= kMaxElements);
    FUZZ_CHECK(after.size() > before.size());
    FUZZ_CHECK(after.size() >= 2 && after.compare(after.size() - 2, 2, "\r\n") == 0);
    std::size_t at = LineOffset(after, ReportLine(*model, before, linesBefore));
    Expect(after, at, " \r\nNode: Displacement (X,Y,Z)\r\n");
    ExpectRows(after, at, std::max(model->nodeCount, 1));
    Expect(after, at, " \r\nElement: Stress, Internal Force \r\n");
    ExpectRows(after, at, model->elementCount);
    for (int e = 1; e <= model->elementCount; ++e) {
        FUZZ_CHECK(model->node1[e] >= 1 && model->node1[e] < model->node2[e]);
        FUZZ_CHECK(model->node2[e] <= model->nodeCount);
    }
    if (outcome.message)
        FUZZ_CHECK(outcome.message->title == kWarningTitle);
    return 0;
}
