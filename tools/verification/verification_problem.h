#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace trelvo::verification {

enum class Quantity { Displacement, Force, Stress, Reaction };

// One value a problem's source or derivation gives, as its expected file writes it:
//   displacement NODE X|Y|Z VALUE     force ELEMENT VALUE
//   reaction NODE X|Y|Z VALUE         stress ELEMENT VALUE
struct ExpectedValue {
    Quantity quantity = Quantity::Displacement;
    int number = 0;    // the node, or the element for a force or a stress
    int direction = 0; // 0 X, 1 Y, 2 Z; 0 for a force or a stress
    double value = 0.0;
    std::string text; // the value as written, with the source's digits
};

// A deck with known answers: NAME.txt is the deck, NAME.expected its description and values.
struct VerificationProblem {
    std::string name;
    std::string deck; // the deck's bytes
    std::string title;
    std::string tests;
    std::string source;
    std::string units;
    std::vector<std::string> derivation; // lines, in order
    double tolerance = 0.0;              // largest relative difference accepted
    std::vector<ExpectedValue> expected;
};

// A problem's files that cannot be read, or a line of its expected file that means nothing.
class ProblemFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The names of the problems in a folder (each NAME.expected), in alphabetical order.
std::vector<std::string> VerificationProblemNames(const std::string& folder);

// NAME.txt and NAME.expected from the folder; a ProblemFileError names the file and line.
VerificationProblem ReadVerificationProblem(const std::string& folder, const std::string& name);

// The expected file's text read into the problem's description and values. Blank lines and
// lines starting with '#' are skipped; title, tests, source, units and tolerance are
// required once, each as "key: text".
void ReadExpectedText(VerificationProblem& problem, const std::string& text);

// How the page and the messages name a value: "Displacement, node 2, X", "Force, element 4".
std::string QuantityName(const ExpectedValue& value);

} // namespace trelvo::verification
