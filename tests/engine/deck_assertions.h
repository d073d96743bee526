#pragma once

// Helpers for tests that run decks through the engine: decks written as lists of lines,
// a run on fresh tables with the deck loaded into the editor as Open loads it, the
// adjusted stiffness matrix of a deck, and EXPECT_INPUT_ERROR.

#include "text/deck_document.h"
#include "engine/run_analysis.h"
#include "text/text_model.h"
#include "engine/truss_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace trelvo::test {

// Lines joined by CR LF, without a line end after the last one.
inline std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
}

// The lines of an editor text (split at CR LF); a text ending with CR LF has an empty last line.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// Analyses deck bytes on the given tables, with the editor first holding the deck as
// Open puts it there.
inline AnalysisOutcome RunDeckOn(TrussModel& model, TextModel& editor, const std::string& deck) {
    return AnalyseDeckDocument(model, deck, editor).outcome;
}

struct DeckRun {
    std::unique_ptr<TrussModel> model = std::make_unique<TrussModel>();
    TextModel editor;
    std::string deckText; // the editor text before the run
    AnalysisOutcome outcome;

    std::vector<std::string> Lines() const { return SplitCrLf(editor.GetText()); }
};

// A run on fresh, zero-filled tables, as trelvo-batch does it.
inline std::unique_ptr<DeckRun> RunDeck(const std::string& deck) {
    auto run = std::make_unique<DeckRun>();
    PutDocumentText(ReadDocumentLines(deck), run->editor);
    run->deckText = run->editor.GetText();
    run->outcome = AnalyseIntoEditor(*run->model, deck, run->editor);
    return run;
}

// The deck read, assembled and constrained, stopping where the report would begin, so the
// adjusted stiffness matrix can be read before the solver overwrites it.
inline std::unique_ptr<TrussModel> AssembleDeck(const std::string& deck) {
    auto model = std::make_unique<TrussModel>();
    EXPECT_FALSE(BuildAdjustedModel(*model, deck).has_value()) << "deck refused:\n" << deck;
    return model;
}

inline ::testing::AssertionResult IsInputError(const std::string& deck, const std::string& detail) {
    const auto run = RunDeck(deck);
    const std::string expected =
        std::string(kInputErrorText) + (detail.empty() ? "" : "\r\n" + detail);
    if (run->outcome.HasResults())
        return ::testing::AssertionFailure() << "the deck was analysed:\n" << run->editor.GetText();
    if (!run->outcome.message)
        return ::testing::AssertionFailure() << "no message was shown";
    if (run->outcome.message->title != kInputErrorsTitle)
        return ::testing::AssertionFailure() << "title \"" << run->outcome.message->title << "\"";
    if (run->outcome.message->text != expected)
        return ::testing::AssertionFailure()
               << "text \"" << run->outcome.message->text << "\", expected \"" << expected << "\"";
    if (run->editor.GetText() != run->deckText)
        return ::testing::AssertionFailure() << "the editor text changed:\n"
                                             << run->editor.GetText();
    return ::testing::AssertionSuccess();
}

// The help page's example deck, as examples/help-example.txt holds it.
inline const std::vector<std::string>& HelpExampleDeck() {
    static const std::vector<std::string> lines = {
        "EXAMPLE 2D TRUSS",
        "3 2",
        "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
        "2 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0",
        "3 1 1 1 12.0 0.0 0.0 0.0 0.0 0.0",
        "1 1 2 30.0e6 0.049",
        "2 2 3 30.0e6 0.049",
    };
    return lines;
}

// The report lines that follow the help example deck. By hand: node 2 moves
// u = 3.24777e-4, v = 3.93747e-5; element 1 carries 850.34 (force 41.667), element 2
// -613.19 (force -30.046).
inline const std::vector<std::string>& HelpExampleReport() {
    static const std::vector<std::string> lines = {
        " ",
        "Node: Displacement (X,Y,Z)",
        "1   0.000E+00   0.000E+00   0.000E+00  ",
        "2   3.247E-04   3.937E-05   0.000E+00  ",
        "3   0.000E+00   0.000E+00   0.000E+00  ",
        " ",
        "Element: Stress, Internal Force ",
        "1   8.503E+02    4.166E+01",
        "2  -6.131E+02   -3.004E+01",
    };
    return lines;
}

// Deck, report and the empty line that the report's opening line break leaves at the end.
inline std::string HelpExampleResults() {
    std::vector<std::string> lines = HelpExampleDeck();
    lines.insert(lines.end(), HelpExampleReport().begin(), HelpExampleReport().end());
    lines.push_back("");
    return Join(lines);
}

} // namespace trelvo::test

#define EXPECT_INPUT_ERROR(deck, detail) EXPECT_TRUE(::trelvo::test::IsInputError((deck), (detail)))
