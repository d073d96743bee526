#pragma once

#include "deck_reader.h"
#include "editor_text.h"
#include "truss_model.h"

#include <string>
#include <optional>
#include <string_view>

namespace trelvo {

inline constexpr const char* kInputErrorsTitle = "Input Errors";
inline constexpr const char* kInputErrorText = "Error occured while reading Node/Element";
inline constexpr const char* kWarningTitle = "Warning";

// What the user must be told after a run, in a modal box with a single OK button.
struct UserMessage {
    std::string title;
    std::string text; // lines separated by CR LF
};

struct AnalysisOutcome {
    bool reportWritten = false;
    // An input error (no report), an unstable-model warning (after the report), or none.
    std::optional<UserMessage> message;

    bool IsInputError() const { return !reportWritten && message.has_value(); }
};

// Analyses the deck file at deckPath and writes the report into the editor text. The
// tables keep what the run wrote; entries the run does not read are left alone.
AnalysisOutcome RunAnalysis(TrussModel& model, const std::string& deckPath, EditorText& editor);

// What a run of a deck file that cannot be read reports: an input error, no report.
AnalysisOutcome UnreadableDeckOutcome(const std::string& deckPath);

// The first stages of a run: the deck read into the tables, every element assembled and
// the fixities imposed, which leaves the adjusted stiffness matrix. The input error of a
// refused deck otherwise.
std::optional<InputError> BuildAdjustedModel(TrussModel& model, std::string_view deckBytes);

// The same run on the deck's bytes as the file holds them.
AnalysisOutcome RunAnalysisOnDeck(TrussModel& model, std::string_view deckBytes,
                                  EditorText& editor);

} // namespace trelvo
