#include "tools/verification/verification_page.h"

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace trelvo::verification {
namespace {

constexpr const char* kIntroduction = R"(# Verification

Textbook and benchmark problems with known answers, each run through Trelvo's analysis,
with the expected values, Trelvo's values and their relative difference. Every problem is a
deck in [examples/verification/](../examples/verification/) with a `.expected` file beside it
that gives the source, the derivation, the tolerance and the expected values; the values come
from the source or from the hand derivation written there, never from Trelvo. A test runs
every deck of that folder on every build and fails when a value is outside its problem's
tolerance, or when this page is not what those files give.

A deck has no units: any consistent set will do, and the results come out in it. The problems
use inch, pound and psi; metre, newton and pascal; millimetre, newton and megapascal. Lengths
and displacements are in the set's length unit, loads, forces and reactions in its force unit,
moduli and stresses in force over length squared. The two `units-` problems are one bracket
written in metres and in millimetres: the forces agree, the displacements differ by a factor
of 1000 and the stresses by a factor of 10^6.

Signs: tension is positive; displacements and reactions are positive along their axis; a
reaction is the force the support exerts on the node. The relative difference is
|Trelvo - expected| / |expected|; for an expected zero it is taken over the largest expected
magnitude of the same quantity in the problem. Trelvo's values are shown to full precision
(the shortest text that reads back to the same number).

)";

std::string NumberText(double value) {
    if (std::isnan(value))
        return "none";
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

std::string DifferenceText(double difference) {
    if (std::isnan(difference))
        return "none";
    if (difference == 0.0)
        return "0";
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, difference, std::chars_format::scientific, 1);
    return std::string(digits, written.ptr);
}

std::string DeckLink(const VerificationProblem& problem) {
    return "[" + problem.name + "](../examples/verification/" + problem.name + ".txt)";
}

void WriteSummary(std::ostream& page, const std::vector<CheckedProblem>& problems) {
    page << "## Summary\n\n"
         << "| Problem | What it tests | Source | Units | Values | Largest relative difference "
            "| Tolerance |\n"
         << "|---|---|---|---|---|---|---|\n";
    for (const CheckedProblem& checked : problems) {
        const VerificationProblem& problem = checked.problem;
        page << "| [" << problem.title << "](#" << problem.name << ") | " << problem.tests << " | "
             << problem.source << " | " << problem.units << " | " << checked.values.size() << " | "
             << DifferenceText(checked.LargestDifference()) << " | "
             << NumberText(problem.tolerance) << " |\n";
    }
    page << "\n";
}

void WriteProblem(std::ostream& page, const CheckedProblem& checked) {
    const VerificationProblem& problem = checked.problem;
    page << "<a id=\"" << problem.name << "\"></a>\n\n## " << problem.title << "\n\n"
         << "Deck: " << DeckLink(problem) << ". Tests: " << problem.tests
         << ". Source: " << problem.source << ". Units: " << problem.units
         << ". Tolerance: " << NumberText(problem.tolerance) << ".\n\n";
    if (!checked.runMessage.empty())
        page << "The run says: " << checked.runMessage << "\n\n";
    for (const std::string& line : problem.derivation)
        page << "- " << line << "\n";
    page << "\n| Quantity | Expected | Trelvo | Relative difference |\n|---|---|---|---|\n";
    for (const CheckedValue& value : checked.values)
        page << "| " << QuantityName(value.expected) << " | " << value.expected.text << " | "
             << NumberText(value.trelvo) << " | " << DifferenceText(value.difference) << " |\n";
    page << "\n";
}

} // namespace

std::string VerificationPage(const std::vector<CheckedProblem>& problems) {
    std::ostringstream page;
    page.imbue(std::locale::classic()); // counts without digit grouping, whatever the system says
    page << kIntroduction
         << "This page is written by `trelvo-verification-page` from those files;\n"
         << "after changing a problem, rewrite it with `" << kRewritePageCommand << "`.\n\n";
    WriteSummary(page, problems);
    for (const CheckedProblem& checked : problems)
        WriteProblem(page, checked);
    std::string text = page.str();
    text.pop_back(); // one line end at the end of the page, not a blank line
    return text;
}

} // namespace trelvo::verification
