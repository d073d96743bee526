#include "engine/run_analysis.h"

#include "engine/assembly.h"
#include "engine/deck_reader.h"

#include <cmath>
#include <vector>

namespace trelvo {
namespace {

AnalysisOutcome InputErrorOutcome(const std::string& detail) {
    std::string text = kInputErrorText;
    if (!detail.empty())
        text += "\r\n" + detail;
    return AnalysisOutcome{std::nullopt, UserMessage{kInputErrorsTitle, text}, {}, std::nullopt};
}

void ClearStiffness(TrussModel& model) {
    for (int r = 1; r <= model.dofCount; ++r)
        for (int c = 1; c <= model.dofCount; ++c)
            model.stiffnessMatrix[r][c] = 0.0;
}

std::string DirectionName(int direction) { return direction == 1 ? "X" : direction == 2 ? "Y" : "Z"; }

std::string NodeAndDirection(int dof) {
    return "node " + std::to_string((dof - 1) / 3 + 1) + ", direction " +
           DirectionName((dof - 1) % 3 + 1);
}

bool AllDisplacementsFinite(const AnalysisResults& results) {
    for (const auto& row : results.displacements)
        for (double value : row)
            if (!std::isfinite(value))
                return false;
    return true;
}

// A weak pivot means a direction nothing holds: the truss is unstable. Sound pivots with
// results that are not finite come from the deck's numbers themselves (an infinite load,
// say), which spread through the whole solution, so no one node is to blame.
std::optional<UserMessage> StabilityWarning(const AnalysisResults& results) {
    if (results.solved.firstWeakColumn != 0)
        return UserMessage{kWarningTitle,
                           "The truss is unstable: it is a mechanism, or a free direction is "
                           "stiffened by no element.\r\nFirst affected: " +
                               NodeAndDirection(results.solved.firstWeakColumn) + "."};
    if (!AllDisplacementsFinite(results))
        return UserMessage{kWarningTitle,
                           "The results are not finite numbers.\r\nA load, coordinate, modulus or "
                           "area of the deck is too large or not a number."};
    return std::nullopt;
}

} // namespace

std::optional<InputError> BuildAdjustedModel(TrussModel& model, std::string_view deckBytes,
                                             std::vector<MisreadField>* misread) {
    model.nodeCount = model.elementCount = model.dofCount = 0;
    model.printAdjustedK = false;
    model.lastElementNumber = 0;

    DeckReader reader(deckBytes);
    std::vector<ElementLine> elements;
    std::optional<InputError> error = reader.ReadHeader(model);
    if (!error)
        error = reader.ReadNodes(model);
    if (!error)
        error = reader.ReadElements(model, elements);
    if (misread)
        *misread = reader.MisreadFields();
    if (error)
        return error;

    ClearStiffness(model);
    std::vector<double> lengths;
    for (const ElementLine& line : elements) {
        model.lastElementNumber = line.number;
        lengths.push_back(StoreElement(model, line));
    }
    ExpressModuliInTheRunsScale(model, elements);
    for (std::size_t i = 0; i < elements.size(); ++i)
        AssembleElement(model, elements[i].number, lengths[i]);
    ApplyConstraints(model);
    return std::nullopt;
}

AnalysisOutcome AnalyseDeck(TrussModel& model, std::string_view deckBytes) {
    std::vector<MisreadField> misread;
    if (const std::optional<InputError> error = BuildAdjustedModel(model, deckBytes, &misread)) {
        AnalysisOutcome refused = InputErrorOutcome(error->detail);
        refused.misreadFields = std::move(misread);
        return refused;
    }
    AnalysisResults results = SolveAdjustedModel(model);
    std::optional<UserMessage> warning = StabilityWarning(results);
    Equilibrium equilibrium = CheckEquilibrium(model, results);
    return AnalysisOutcome{std::move(results), std::move(warning), std::move(misread),
                           std::move(equilibrium)};
}

std::optional<UserMessage> MisreadFieldsWarning(const AnalysisOutcome& outcome) {
    if (!outcome.results || outcome.misreadFields.empty())
        return std::nullopt;
    return UserMessage{kWarningTitle, MisreadFieldsText(outcome.misreadFields)};
}

AnalysisOutcome UnreadableDeckOutcome(const std::string& deckPath) {
    return InputErrorOutcome("The deck file " + deckPath + " could not be read.");
}

} // namespace trelvo
