#pragma once

// Decks and results files for the viewer's tests, written out by hand with CR LF line
// ends, and a helper that has the engine write a deck's report as the desktop program does.

#include "text/deck_document.h"
#include "files/read_file.h"
#include "engine/run_analysis.h"
#include "text/text_model.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace trelvo::viewer::testing {

inline std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        text += (first ? "" : "\r\n") + std::string(line);
        first = false;
    }
    return text;
}

// The worked example of the report layout: a bar of length 1 along X, EA/L = 1.0e6 and
// A = 0.01, node 1 held, node 2 free in X only and pulled by 1000: it moves 1.0e-3, the
// stress is 1.0e5 and the force 1.0e3.
inline const std::string kBarDeck = Lines({
    "WORKED EXAMPLE BAR",
    "2 1",
    "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
    "2 0 1 1 1.0 0.0 0.0 1000.0 0.0 0.0",
    "1 1 2 1.0E8 0.01",
});

inline const std::string kBarReport = Lines({
    " ",
    "Node: Displacement (X,Y,Z)",
    "1   0.000E+00   0.000E+00   0.000E+00  ",
    "2   1.000E-03   0.000E+00   0.000E+00  ",
    " ",
    "Element: Stress, Internal Force ",
    "1   1.000E+05    1.000E+03",
});

// The same deck after the load was doubled and the deck run again: the newer report comes
// directly after the deck, the older one after it.
inline const std::string kBarNewerReport = Lines({
    " ",
    "Node: Displacement (X,Y,Z)",
    "1   0.000E+00   0.000E+00   0.000E+00  ",
    "2   2.000E-03   0.000E+00   0.000E+00  ",
    " ",
    "Element: Stress, Internal Force ",
    "1   2.000E+05    2.000E+03",
});

// A bar along X whose free end is pushed along Y, which nothing resists.
inline const std::string kMechanismDeck = Lines({
    "MECHANISM",
    "2 1",
    "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
    "2 0 0 1 1.0 0.0 0.0 0.0 500.0 0.0",
    "1 1 2 1.0E8 0.01",
});

inline const std::string kMechanismReport = Lines({
    " ",
    "Node: Displacement (X,Y,Z)",
    "1   0.000E+00   0.000E+00   0.000E+00  ",
    "2  Large Number - OverFlow  Large Number - OverFlow   0.000E+00  ",
    " ",
    "Element: Stress, Internal Force ",
    "1  Large Number - OverFlow   Large Number - OverFlow",
});

// A results file as the desktop program saves it: deck, reports, and the empty line the
// report's opening line break leaves at the end.
inline std::string ResultsFile(const std::string& deck,
                               std::initializer_list<std::string> reports) {
    std::string text = deck;
    for (const std::string& report : reports)
        text += "\r\n" + report;
    return text + "\r\n";
}

// The document text after Open and Run analysis of a deck, by the engine itself.
inline std::string AnalysedDocument(const std::string& deckBytes) {
    const auto tables = std::make_unique<TrussModel>();
    TextModel editor;
    AnalyseDeckDocument(*tables, deckBytes, editor);
    return editor.GetText();
}

inline std::string ExampleDeck(const std::string& name) {
    return ReadWholeFile(std::string(TRELVO_SOURCE_DIR) + "/examples/" + name).value_or("");
}

} // namespace trelvo::viewer::testing
