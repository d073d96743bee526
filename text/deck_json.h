#pragma once

#include "engine/run_analysis.h"
#include "engine/truss_model.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace trelvo {

// What a deck's JSON object says in "status".
inline constexpr const char* kAnalysedStatus = "analysed";
inline constexpr const char* kUnstableStatus = "unstable";
inline constexpr const char* kNotFiniteStatus = "not finite";
inline constexpr const char* kInputErrorStatus = "input error";
inline constexpr const char* kUnreadableStatus = "unreadable";

// The status of a deck that was read: whether it was refused, and which warning if any.
const char* DeckStatus(const AnalysisOutcome& outcome);

// Writes the JSON object of a deck that was read and run on `model`, on a line of its own.
// `deck` is the name as given on the command line. The tables must still hold the run.
void WriteDeckJson(std::ostream& out, const std::string& deck, std::string_view deckBytes,
                   const TrussModel& model, const AnalysisOutcome& outcome);

// Writes the JSON object of a deck that could not be read, on a line of its own.
void WriteUnreadableDeckJson(std::ostream& out, const std::string& deck,
                             const AnalysisOutcome& outcome);

} // namespace trelvo
