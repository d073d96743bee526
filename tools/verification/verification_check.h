#pragma once

#include "tools/verification/verification_problem.h"

#include <string>
#include <vector>

namespace trelvo::verification {

// An expected value beside the one the analysis gives.
struct CheckedValue {
    ExpectedValue expected;
    double trelvo = 0.0; // not a number when the run gives no such value
    // What the difference is measured against: the expected magnitude, or for an expected
    // zero the largest expected magnitude of the same quantity in the problem.
    double scale = 1.0;
    double difference = 0.0; // |trelvo - expected| / scale
    bool within = false;     // difference at most the problem's tolerance
};

struct CheckedProblem {
    VerificationProblem problem;
    std::vector<CheckedValue> values;
    std::string runMessage; // the run's input error or warning; empty for a clean run

    double LargestDifference() const;
    bool Passes() const;
};

// Runs the problem's deck through the analysis on fresh tables and compares every value.
CheckedProblem CheckProblem(const VerificationProblem& problem);

// Every problem of the folder, read and checked, in alphabetical order of their names.
std::vector<CheckedProblem> CheckVerificationSet(const std::string& folder);

} // namespace trelvo::verification
