#pragma once

#include "engine/deck_reader.h"
#include "engine/equilibrium.h"
#include "engine/results.h"
#include "engine/truss_model.h"

#include <string>
#include <optional>
#include <string_view>
#include <vector>

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
    // Fields read only in part, up to the end of the deck or to the refused line.
    std::vector<MisreadField> misreadFields;
    // Reactions and the equilibrium check, with the results.
    std::optional<Equilibrium> equilibrium;

    bool HasResults() const { return results.has_value(); }
    bool IsInputError() const { return !results && message.has_value(); }
};

// What a run of a deck file that cannot be read reports: an input error, no results.
AnalysisOutcome UnreadableDeckOutcome(const std::string& deckPath);

// The first stages of a run: the deck read into the tables, every element assembled and
// the fixities imposed, which leaves the adjusted stiffness matrix. The input error of a
// refused deck otherwise. Fields read only in part are added to `misread` when given.
std::optional<InputError> BuildAdjustedModel(TrussModel& model, std::string_view deckBytes,
                                             std::vector<MisreadField>* misread = nullptr);

// The warning that follows the report of a deck that had fields read only in part; none
// for a refused deck, which has no report to follow.
std::optional<UserMessage> MisreadFieldsWarning(const AnalysisOutcome& outcome);

// A whole run on the deck's bytes as the file holds them: read, assemble, constrain, solve.
// The tables keep what the run wrote; entries the run does not read are left alone.
AnalysisOutcome AnalyseDeck(TrussModel& model, std::string_view deckBytes);

} // namespace trelvo
