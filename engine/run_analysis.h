#pragma once

#include "deck_reader.h"
#include "results.h"
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
    // The results; none for a deck that was refused.
    std::optional<AnalysisResults> results;
    // An input error (no results), an unstable-model warning (with them), or none.
    std::optional<UserMessage> message;

    bool HasResults() const { return results.has_value(); }
    bool IsInputError() const { return !results && message.has_value(); }
};

// What a run of a deck file that cannot be read reports: an input error, no results.
AnalysisOutcome UnreadableDeckOutcome(const std::string& deckPath);

// The first stages of a run: the deck read into the tables, every element assembled and
// the fixities imposed, which leaves the adjusted stiffness matrix. The input error of a
// refused deck otherwise.
std::optional<InputError> BuildAdjustedModel(TrussModel& model, std::string_view deckBytes);

// A whole run on the deck's bytes as the file holds them: read, assemble, constrain, solve.
// The tables keep what the run wrote; entries the run does not read are left alone.
AnalysisOutcome AnalyseDeck(TrussModel& model, std::string_view deckBytes);

} // namespace trelvo
