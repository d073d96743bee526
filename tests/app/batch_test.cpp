#include "tests/app/batch_program.h"
#include "tests/engine/deck_assertions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelvo {
namespace {

std::string HelpExampleFile() { return ReadBytes(HelpExamplePath()); }

// The help example deck followed by filler lines of CR LF-terminated text that the
// engine ignores, to a file of exactly `size` bytes.
std::string PaddedDeck(std::size_t size) {
    std::string bytes = test::Join(test::HelpExampleDeck()) + "\r\n";
    while (bytes.size() + 100 < size)
        bytes += std::string(98, 'x') + "\r\n";
    bytes += std::string(size - bytes.size() - 2, 'y') + "\r\n";
    return bytes;
}

TEST_F(BatchProgram, HelpExampleToStandardOutput) {
    ASSERT_EQ(HelpExampleFile(), test::Join(test::HelpExampleDeck()) + "\r\n");
    const BatchResult result =
        Run({"--stdout", (fs::path(TRELVO_SOURCE_DIR) / "examples" / "help-example.txt").string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, test::HelpExampleResults());
    EXPECT_EQ(result.err, "");
}

TEST_F(BatchProgram, ResultsFileBesideTheDeckHoldsTheSameBytes) {
    const fs::path deck = Deck("bridge.txt", HelpExampleFile());
    const BatchResult written = Run({deck.string()});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    const fs::path results = folder_ / "bridge-RZ.TXT";
    ASSERT_TRUE(fs::exists(results));
    const std::string bytes = ReadBytes(results);
    EXPECT_EQ(bytes, Run({"--stdout", deck.string()}).out);
    EXPECT_EQ(bytes, test::HelpExampleResults());
    // Every line end is CR LF.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
        }
    }
}

TEST_F(BatchProgram, ReadOnlyResultsFileIsNotReplaced) {
    const fs::path deck = Deck("bridge.txt", HelpExampleFile());
    const fs::path results = Deck("bridge-RZ.TXT", "an earlier result the user protected\r\n");
    fs::permissions(results, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const BatchResult result = Run({deck.string()});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find("File " + results.string() + " creation failed"), std::string::npos)
        << result.err;
    EXPECT_EQ(ReadBytes(results), "an earlier result the user protected\r\n");
    fs::permissions(results, fs::perms::owner_all);
}

TEST_F(BatchProgram, RunningTheResultsFileInsertsTheNewReportAfterTheDeck) {
    const fs::path deck = Deck("bridge.txt", HelpExampleFile());
    ASSERT_EQ(Run({deck.string()}).status, 0);
    ASSERT_EQ(Run({(folder_ / "bridge-RZ.TXT").string()}).status, 0);
    const std::string report = test::Join(test::HelpExampleReport()) + "\r\n";
    EXPECT_EQ(ReadBytes(folder_ / "bridge-RZ-RZ.TXT"),
              test::Join(test::HelpExampleDeck()) + "\r\n" + report + report);
}

TEST_F(BatchProgram, InputErrorExitsWithTwoAndWritesNothing) {
    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[4] = "3 1 1 1 12.0 0.0 0.0";
    const fs::path deck = Deck("bad.txt", test::Join(lines) + "\r\n");
    const BatchResult result = Run({deck.string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("Input Errors"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Error occured while reading Node/Element"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder_ / "bad-RZ.TXT"));
    EXPECT_EQ(result.out, "");
}

TEST_F(BatchProgram, ElementErrorNamesTheLine) {
    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[6] = "2 2 9 30.0e6 0.049";
    const BatchResult result = Run({Deck("bad.txt", test::Join(lines)).string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(
        result.err.find("Line 7: element 2 joins node 2 to node 9, but the deck has 3 nodes."),
        std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(folder_ / "bad-RZ.TXT"));
}

TEST_F(BatchProgram, UnreadableDeckExitsWithTwo) {
    const BatchResult result = Run({(folder_ / "missing.txt").string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("could not be read"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(folder_ / "missing-RZ.TXT"));
    EXPECT_EQ(Run({folder_.string()}).status, 2);
}

TEST_F(BatchProgram, UsageErrorsExitWithOne) {
    const BatchResult none = Run({});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Usage"), std::string::npos) << none.err;
    EXPECT_EQ(Run({"--no-such-option", "deck.txt"}).status, 1);
    EXPECT_EQ(Run({"--stdout"}).status, 1);
}

TEST_F(BatchProgram, UnstableModelIsAnalysedWithAWarning) {
    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[3] = "2 0 0 0 8.0 6.0 0.0 50.0 0.0 0.0";
    const fs::path deck = Deck("loose.txt", test::Join(lines));
    const BatchResult result = Run({deck.string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("Warning"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("node 2, direction Z"), std::string::npos) << result.err;
    const std::string bytes = ReadBytes(folder_ / "loose-RZ.TXT");
    EXPECT_NE(bytes.find("Large Number - OverFlow"), std::string::npos);
}

TEST_F(BatchProgram, LoadedSizeOfExactly64000IsSaved) {
    const std::string bytes = PaddedDeck(64000);
    ASSERT_EQ(bytes.size(), 64000u);
    const BatchResult result = Run({Deck("big.txt", bytes).string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(folder_ / "big-RZ.TXT"));
}

TEST_F(BatchProgram, LoadedSizeOver64000IsNotSaved) {
    const std::string bytes = PaddedDeck(64001);
    ASSERT_EQ(bytes.size(), 64001u);
    const fs::path results = folder_ / "big-RZ.TXT";
    WriteBytes(results, "earlier results");
    const BatchResult result = Run({Deck("big.txt", bytes).string()});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find("File is limited to 64000 chars"), std::string::npos) << result.err;
    EXPECT_EQ(ReadBytes(results), "earlier results");
    // The limit counts what was loaded: with LF ends a smaller file loads the same size.
    std::string lf = bytes;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    ASSERT_LT(lf.size(), 64000u);
    const BatchResult shorter = Run({Deck("lf.txt", lf).string()});
    EXPECT_EQ(shorter.status, 3);
    EXPECT_FALSE(fs::exists(folder_ / "lf-RZ.TXT"));
}

TEST_F(BatchProgram, VersionIsPrintedAlone) {
    const BatchResult result = Run({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "trelvo-batch 3.7\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(BatchProgram, HelpNamesEveryOptionTheResultsFileAndTheExitStatuses) {
    const BatchResult result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(Run({"-h"}).out, result.out);
    for (const char* expected :
         {"Usage: trelvo-batch [--stdout | --json] DECK...", "--stdout", "--json", "--version",
          "--help", "standard input", "followed by \"-RZ.TXT\"", "Exit status: 0 analysed",
          "1 usage error", "2 a deck was refused", "3 a results file"})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
}

struct UsageErrorRow {
    std::vector<std::string> arguments;
    const char* message;
};

TEST_F(BatchProgram, UsageErrorsSayWhyAndShowTheUsage) {
    const std::string deck = HelpExamplePath().string();
    const std::vector<UsageErrorRow> rows = {
        {{"--stdout", "--json", deck}, "--stdout excludes --json"},
        {{"--json"}, "no deck file given"},
        {{"--bogus", deck}, "unknown option --bogus"},
        {{"-"}, "a deck read from standard input (-) needs --stdout or --json"},
        {{"--json", "-", "-"}, "standard input (-) can be read as one deck only"},
    };
    for (const UsageErrorRow& row : rows) {
        const BatchResult result = Run(row.arguments, test::Join(test::HelpExampleDeck()));
        EXPECT_EQ(result.status, 1) << row.message;
        EXPECT_EQ(result.out, "") << row.message;
        EXPECT_NE(result.err.find(std::string("trelvo-batch: ") + row.message + "\n"),
                  std::string::npos)
            << result.err;
        EXPECT_NE(result.err.find("Usage:"), std::string::npos) << row.message;
    }
}

TEST_F(BatchProgram, DeckFromStandardInputIsNamedDash) {
    const BatchResult text = Run({"--stdout", "-"}, HelpExampleFile());
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, test::HelpExampleResults());
    EXPECT_TRUE(fs::is_empty(folder_)) << "no results file";

    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[4] = "3 1 1 1 12.0 0.0 0.0";
    const BatchResult refused = Run({"--stdout", "-"}, test::Join(lines));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.rfind("-: Input Errors\n", 0), 0u) << refused.err;
}

} // namespace
} // namespace trelvo
