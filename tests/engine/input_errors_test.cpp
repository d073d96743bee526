#include "tests/engine/deck_assertions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace trelvo {
namespace {

using test::Join;

// The help example with line `index` (0-based) replaced, or removed for an empty text.
std::string HelpExampleWith(std::size_t index, const std::string& line) {
    std::vector<std::string> deck = test::HelpExampleDeck();
    if (line.empty())
        deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(index));
    else
        deck[index] = line;
    return Join(deck);
}

TEST(NodeLineError, ShortNodeLineKeepsTheClassicMessage) {
    EXPECT_INPUT_ERROR(HelpExampleWith(3, "2 0 0 1 8.0 6.0 0.0 50.0 0.0"), "");
    EXPECT_INPUT_ERROR(HelpExampleWith(3, "   "), "");
}

TEST(NodeLineError, NodeSectionOneLineShort) {
    // The first element line is read as node 3 and has too few fields.
    EXPECT_INPUT_ERROR(HelpExampleWith(4, ""), "");
    EXPECT_INPUT_ERROR(Join({"t", "2 0", "1 1 1 1 0 0 0 0 0 0"}), "");
}

TEST(NodeLineError, NodesBeforeTheBadLineKeepTheirValues) {
    const auto run = test::RunDeck(Join({"t", "2 0", "1 1 1 1 4.5 0 0 0 0 0", "2 1 1"}));
    EXPECT_TRUE(run->outcome.IsInputError());
    EXPECT_EQ(run->model->coord[1][1], 4.5);
}

TEST(CountErrors, CountsOutsideZeroToFifty) {
    EXPECT_INPUT_ERROR(Join({"t", "-1 0"}), "Line 2: the node count -1 is outside 0..50.");
    EXPECT_INPUT_ERROR(Join({"t", "51 0"}), "Line 2: the node count 51 is outside 0..50.");
    EXPECT_INPUT_ERROR(Join({"t", "0 -1"}), "Line 2: the element count -1 is outside 0..50.");
    EXPECT_INPUT_ERROR(Join({"t", "0 51"}), "Line 2: the element count 51 is outside 0..50.");
}

TEST(CountErrors, FiftyNodesAreAccepted) {
    std::vector<std::string> deck = {"t", "50 0"};
    for (int i = 1; i <= 50; ++i)
        deck.push_back(std::to_string(i) + " 1 1 1 " + std::to_string(i) + " 0 0 0 0 0");
    const auto run = test::RunDeck(Join(deck));
    EXPECT_TRUE(run->outcome.HasResults());
    EXPECT_FALSE(run->outcome.message);
    EXPECT_EQ(run->model->dofCount, 150);
}

TEST(ElementLineErrors, FewerThanFiveFields) {
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "2 2 3 30.0e6"),
                       "Line 7: an element line needs five fields (number, node, node, E, A), "
                       "but this one has 4.");
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "2\t2\t3\t30.0e6\t0.049"),
                       "Line 7: an element line needs five fields (number, node, node, E, A), "
                       "but this one has 1.");
}

TEST(ElementLineErrors, ElementLineMissingAtTheEnd) {
    const std::string detail = "Line 7: the deck ends before element line 2 of 2.";
    EXPECT_INPUT_ERROR(HelpExampleWith(6, ""), detail);
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "") + "\r\n", detail);
}

TEST(ElementLineErrors, ElementNumberOutsideOneToElementCount) {
    EXPECT_INPUT_ERROR(HelpExampleWith(5, "0 1 2 30.0e6 0.049"),
                       "Line 6: element number 0 is outside 1..2.");
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "3 2 3 30.0e6 0.049"),
                       "Line 7: element number 3 is outside 1..2.");
}

TEST(ElementLineErrors, ElementNumberGivenTwice) {
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "1 2 3 30.0e6 0.049"),
                       "Line 7: element 1 is given twice (also on line 6).");
}

TEST(ElementLineErrors, NodeNumberOutsideTheDeck) {
    EXPECT_INPUT_ERROR(HelpExampleWith(5, "1 1 4 30.0e6 0.049"),
                       "Line 6: element 1 joins node 1 to node 4, but the deck has 3 nodes.");
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "2 0 3 30.0e6 0.049"),
                       "Line 7: element 2 joins node 0 to node 3, but the deck has 3 nodes.");
}

TEST(ElementLineErrors, BothEndsOnOneNode) {
    EXPECT_INPUT_ERROR(HelpExampleWith(6, "2 2 2 30.0e6 0.049"),
                       "Line 7: element 2 joins node 2 to itself.");
}

TEST(ElementLineErrors, CoincidentNodes) {
    EXPECT_INPUT_ERROR(HelpExampleWith(4, "3 1 1 1 8.0 6.0 0.0 0.0 0.0 0.0"),
                       "Line 7: element 2 has zero length: nodes 2 and 3 are at the same place.");
}

class DeckFile : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder of this run's own, even while another build's tests run beside it.
        folder_ = std::filesystem::temp_directory_path() /
                  ("trelvo-input-errors-" + std::to_string(std::random_device()()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(DeckFile, MissingDeckFileIsReportedAndNothingAppended) {
    const std::string path = (folder_ / "no-such-deck.txt").string();
    const auto model = std::make_unique<TrussModel>();
    TextModel editor("unsaved text");
    const AnalysisOutcome outcome = AnalyseDeckFile(*model, path, editor);
    ASSERT_TRUE(outcome.IsInputError());
    EXPECT_EQ(outcome.message->title, "Input Errors");
    EXPECT_EQ(outcome.message->text, "Error occured while reading Node/Element\r\nThe deck file " +
                                         path + " could not be read.");
    EXPECT_EQ(editor.GetText(), "unsaved text");
}

TEST_F(DeckFile, DeckIsReadFromTheFileNotFromTheEditor) {
    const std::string path = (folder_ / "deck.txt").string();
    std::ofstream(path, std::ios::binary) << Join(test::HelpExampleDeck()) << "\r\n";
    const auto model = std::make_unique<TrussModel>();
    TextModel editor(Join(test::HelpExampleDeck()));
    const AnalysisOutcome outcome = AnalyseDeckFile(*model, path, editor);
    EXPECT_TRUE(outcome.HasResults());
    EXPECT_EQ(editor.GetText(), test::HelpExampleResults());
}

} // namespace
} // namespace trelvo
