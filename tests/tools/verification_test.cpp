// Every problem of examples/verification/ through the analysis, against the values its
// source or hand derivation gives, and docs/verification.md against what they give.
#include "files/read_file.h"
#include "tools/verification/verification_check.h"
#include "tools/verification/verification_page.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trelvo::verification {
namespace {

const std::string kFolder = std::string(TRELVO_SOURCE_DIR) + "/examples/verification";

class VerificationProblemTest : public ::testing::TestWithParam<std::string> {};

TEST_P(VerificationProblemTest, AgreesWithItsExpectedValues) {
    const CheckedProblem checked = CheckProblem(ReadVerificationProblem(kFolder, GetParam()));
    EXPECT_EQ(checked.runMessage, "");
    ASSERT_FALSE(checked.values.empty());
    for (const CheckedValue& value : checked.values)
        EXPECT_NEAR(value.trelvo, value.expected.value, checked.problem.tolerance * value.scale)
            << QuantityName(value.expected);
}

INSTANTIATE_TEST_SUITE_P(Set, VerificationProblemTest,
                         ::testing::ValuesIn(VerificationProblemNames(kFolder)),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(VerificationSet, HoldsAtLeastTenProblems) {
    EXPECT_GE(VerificationProblemNames(kFolder).size(), 10u);
}

TEST(VerificationPage, IsWhatTheVerificationSetGives) {
    const std::optional<std::string> page =
        ReadWholeFile(std::string(TRELVO_SOURCE_DIR) + "/docs/verification.md");
    ASSERT_TRUE(page) << "docs/verification.md is missing";
    EXPECT_TRUE(*page == VerificationPage(CheckVerificationSet(kFolder)))
        << "docs/verification.md is not what examples/verification/ gives: rewrite it with `"
        << kRewritePageCommand << "`";
}

// A value line the reader does not understand must stop the check, never drop the value.
TEST(VerificationProblemFile, RefusesALineItCannotRead) {
    const std::string description = "title: t\ntests: t\nsource: s\nunits: u\ntolerance: 1e-6\n";
    for (const char* line : {"displacement 2 W 0.5", "force 0 10", "stress 3", "weight 1 2.0",
                             "reaction 1 X 1,5", "title: a second title"}) {
        VerificationProblem problem;
        EXPECT_THROW(ReadExpectedText(problem, description + line + "\n"), ProblemFileError)
            << line;
    }
    VerificationProblem problem;
    ReadExpectedText(problem, description + "reaction 4 Z -2.5e3\r\n");
    ASSERT_EQ(problem.expected.size(), 1u);
    EXPECT_EQ(QuantityName(problem.expected[0]), "Reaction, node 4, Z");
    EXPECT_EQ(problem.expected[0].value, -2500.0);
}

} // namespace
} // namespace trelvo::verification
