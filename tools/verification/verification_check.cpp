#include "tools/verification/verification_check.h"

#include "engine/run_analysis.h"
#include "engine/truss_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace trelvo::verification {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

template <class Rows> bool HasRow(const Rows& rows, int number) {
    return number >= 1 && static_cast<std::size_t>(number) <= rows.size();
}

// The value the run gives for what `expected` names; not a number where it gives none (a
// node or element the deck does not have, a reaction at a free direction).
double TrelvoValue(const AnalysisOutcome& outcome, const ExpectedValue& expected) {
    const AnalysisResults& results = *outcome.results;
    const auto row = static_cast<std::size_t>(expected.number - 1);
    const auto direction = static_cast<std::size_t>(expected.direction);
    switch (expected.quantity) {
    case Quantity::Displacement:
        return HasRow(results.displacements, expected.number)
                   ? results.displacements[row][direction]
                   : kNone;
    case Quantity::Force:
        return HasRow(results.elements, expected.number) ? results.elements[row].force : kNone;
    case Quantity::Stress:
        return HasRow(results.elements, expected.number) ? results.elements[row].stress : kNone;
    case Quantity::Reaction:
        if (!HasRow(outcome.equilibrium->reactions, expected.number))
            return kNone;
        return outcome.equilibrium->reactions[row][direction].value_or(kNone);
    }
    return kNone;
}

double Scale(const VerificationProblem& problem, const ExpectedValue& expected) {
    if (expected.value != 0.0)
        return std::fabs(expected.value);
    double largest = 0.0;
    for (const ExpectedValue& other : problem.expected)
        if (other.quantity == expected.quantity)
            largest = std::max(largest, std::fabs(other.value));
    return largest > 0.0 ? largest : 1.0;
}

// The messages of the run on one line: a verification deck should have none.
std::string RunMessage(const AnalysisOutcome& outcome) {
    std::string text;
    for (const std::optional<UserMessage>& message :
         {outcome.message, MisreadFieldsWarning(outcome)})
        if (message)
            text += (text.empty() ? "" : " ") + message->title + ": " + message->text;
    for (std::size_t crlf; (crlf = text.find("\r\n")) != std::string::npos;)
        text.replace(crlf, 2, " ");
    return text;
}

} // namespace

double CheckedProblem::LargestDifference() const {
    double largest = 0.0;
    for (const CheckedValue& value : values) {
        if (std::isnan(value.difference)) // a value the run does not give
            return value.difference;
        largest = std::max(largest, value.difference);
    }
    return largest;
}

bool CheckedProblem::Passes() const {
    return runMessage.empty() && !values.empty() &&
           std::all_of(values.begin(), values.end(),
                       [](const CheckedValue& v) { return v.within; });
}

CheckedProblem CheckProblem(const VerificationProblem& problem) {
    CheckedProblem checked{problem, {}, {}};
    const auto model = std::make_unique<TrussModel>();
    const AnalysisOutcome outcome = AnalyseDeck(*model, problem.deck);
    checked.runMessage = RunMessage(outcome);
    for (const ExpectedValue& expected : problem.expected) {
        CheckedValue value{expected, kNone, Scale(problem, expected), kNone, false};
        if (outcome.HasResults())
            value.trelvo = TrelvoValue(outcome, expected);
        value.difference = std::fabs(value.trelvo - expected.value) / value.scale;
        value.within = value.difference <= problem.tolerance;
        checked.values.push_back(value);
    }
    return checked;
}

std::vector<CheckedProblem> CheckVerificationSet(const std::string& folder) {
    std::vector<CheckedProblem> checked;
    for (const std::string& name : VerificationProblemNames(folder))
        checked.push_back(CheckProblem(ReadVerificationProblem(folder, name)));
    return checked;
}

} // namespace trelvo::verification
