// Every deck of the corpus through the command-line program, which does what Open and Run
// analysis do in the desktop program.
#include "text/document_text.h"
#include "tests/corpus/expectations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace trelvo::corpus {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

Outcome RunBatch(const fs::path& deck) {
    const fs::path folder = fs::temp_directory_path() / ("trelvo-corpus-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path out = folder / "out", err = folder / "err";
    const std::string command = std::string("'") + TRELVO_BATCH_PROGRAM + "' --stdout '" +
                                deck.string() + "' >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadAll(out);
    outcome.err = ReadAll(err);
    fs::remove_all(folder);
    return outcome;
}

std::vector<std::string> DeckNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TRELVO_CORPUS_DIR))
        if (entry.path().extension() == ".deck")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CorpusDeck : public ::testing::TestWithParam<std::string> {};

TEST_P(CorpusDeck, GivesItsExpectedOutcome) {
    const fs::path deck = fs::path(TRELVO_CORPUS_DIR) / (GetParam() + ".deck");
    const std::vector<Expectation> expectations =
        ReadExpectations((fs::path(TRELVO_CORPUS_DIR) / (GetParam() + ".expect")).string());
    ASSERT_FALSE(expectations.empty());
    const Outcome outcome = RunBatch(deck);
    for (const Expectation& expectation : expectations)
        EXPECT_EQ(Check(expectation, outcome), "") << expectation.kind << " " << expectation.text;

    if (outcome.status == 0) {
        // The document starts with the deck as Open loads it, followed by the report.
        const std::string document = ReadDocumentLines(ReadAll(deck)).text;
        EXPECT_GT(outcome.out.size(), document.size());
        EXPECT_TRUE(outcome.out.find("Node: Displacement (X,Y,Z)\r\n") != std::string::npos);
    } else {
        EXPECT_EQ(outcome.out, "") << "a refused deck prints nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(Decks, CorpusDeck, ::testing::ValuesIn(DeckNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(Corpus, HoldsAtLeast150Decks) { EXPECT_GE(DeckNames().size(), 150u); }

} // namespace
} // namespace trelvo::corpus
