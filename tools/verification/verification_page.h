#pragma once

#include "tools/verification/verification_check.h"

#include <string>
#include <vector>

namespace trelvo::verification {

// The command that rewrites docs/verification.md from examples/verification/.
inline constexpr const char* kRewritePageCommand =
    "cmake --build build/test --target verification-page";

// docs/verification.md: a summary row per problem, then per problem its description,
// derivation and every expected value beside Trelvo's and their relative difference.
std::string VerificationPage(const std::vector<CheckedProblem>& problems);

} // namespace trelvo::verification
