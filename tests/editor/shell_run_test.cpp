// Run analysis: the engine reads the saved deck, its report joins the text, and the whole
// is stored as the results file. Launch viewer: the viewer is started on the document.

#include "tests/editor/shell_session.h"

#include "text/deck_document.h"
#include "engine/run_analysis.h"
#include "text/text_model.h"

#include <fstream>
#include <iterator>
#include <memory>

namespace trelvo::testing {
namespace {

std::string ExampleDeck() {
    std::ifstream file(std::string(TRELVO_SOURCE_DIR) + "/examples/help-example.txt",
                       std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// What the command-line road gives for the same deck: Open's text, then the engine's run on
// the deck's bytes.
std::string EngineText(const std::string& deck) {
    TextModel text;
    const auto model = std::make_unique<TrussModel>();
    AnalyseDeckDocument(*model, deck, text);
    return text.GetText();
}

// Node 2 is free in Y, which the bar along X does not stiffen; its X coordinate as given.
std::string Mechanism(const std::string& x) {
    return "MECHANISM\r\n2 1\r\n1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0\r\n2 0 0 1 " + x +
           " 0.0 0.0 10.0 0.0 0.0\r\n1 1 2 1.0e8 0.01\r\n";
}

using RunCommand = ShellTest;

TEST_F(RunCommand, StoresTheDeckAndItsReportAsTheResultsFile) {
    Open(kDeckPath, kBarDeck);
    Do(CommandId::RunAnalysis);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Text(), kBarText + kBarReport);
    EXPECT_EQ(platform.files[kResultsPath], kBarText + kBarReport);
    EXPECT_EQ(platform.files[kDeckPath], kBarDeck);
    EXPECT_EQ(FileName(), kResultsPath);
    EXPECT_EQ(shell.Document().savedSnapshot, kBarText + kBarReport);
}

TEST_F(RunCommand, TheResultsFileHoldsWhatTheEngineWritesForTheDeck) {
    const std::string deck = ExampleDeck();
    ASSERT_EQ(deck.rfind("EXAMPLE 2D TRUSS\r\n", 0), 0u);
    Open(kDeckPath, deck);
    Do(CommandId::RunAnalysis);
    const std::string expected = EngineText(deck);
    ASSERT_GT(expected.size(), deck.size());
    EXPECT_EQ(platform.files[kResultsPath], expected);
}

TEST_F(RunCommand, ReadsTheDeckFromDiskNotFromTheEditor) {
    Open(kDeckPath, kBarDeck);
    platform.files[kDeckPath] = kBadDeck; // changed behind the program's back
    Do(CommandId::RunAnalysis);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Input Errors");
    EXPECT_EQ(platform.files[kResultsPath], kBarText);
}

TEST_F(RunCommand, AnInputErrorIsShownAndTheDeckAloneIsSaved) {
    Open(kDeckPath, kBadDeck);
    Do(CommandId::RunAnalysis);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Input Errors");
    EXPECT_EQ(platform.messages[0].text.rfind("Error occured while reading Node/Element", 0), 0u);
    EXPECT_EQ(platform.files[kResultsPath], kBadDeck.substr(0, kBadDeck.size() - 2));
    EXPECT_EQ(FileName(), kResultsPath);
    EXPECT_FALSE(RunEnabled());
    EXPECT_TRUE(LaunchEnabled());
}

TEST_F(RunCommand, ADeckThatCannotBeReadAnyMoreIsAnInputError) {
    Open(kDeckPath, kBarDeck);
    platform.unreadable.insert(kDeckPath);
    Do(CommandId::RunAnalysis);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              (ShownMessage{"Input Errors", "Error occured while reading Node/Element\r\n"
                                            "The deck file " +
                                                kDeckPath + " could not be read."}));
    EXPECT_EQ(platform.files[kResultsPath], kBarText);
}

TEST_F(RunCommand, AnUnstableTrussGetsItsReportAndAWarning) {
    const std::string deck = Mechanism("1.0");
    Open(kDeckPath, deck);
    Do(CommandId::RunAnalysis);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Warning");
    EXPECT_NE(platform.messages[0].text.find("node 2, direction Y"), std::string::npos);
    EXPECT_EQ(platform.files[kResultsPath], EngineText(deck));
    EXPECT_NE(platform.files[kResultsPath].find("Node: Displacement (X,Y,Z)"), std::string::npos);
}

// Fields read only in part are named after the report and after its own warning; a refused
// deck has no report to follow.
TEST_F(RunCommand, MisreadFieldsAreWarnedAboutAfterTheReportAndItsWarning) {
    const std::string deck = Mechanism("1.O");
    Open(kDeckPath, deck);
    Do(CommandId::RunAnalysis);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[0].text.find("unstable"), std::string::npos);
    EXPECT_EQ(platform.messages[1], (ShownMessage{"Warning", "Line 4, field 5: \"1.O\" was read as 1"}));

    Open(kDeckPath, kBadDeck);
    platform.messages.clear();
    Do(CommandId::RunAnalysis);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Input Errors");
}

// Messages are UTF-8: a quoted field shows its bytes as the characters the editor shows
// for them (byte 0xDC is "\xC3\x9C" here), and the rest of the warning keeps its own.
TEST_F(RunCommand, MisreadFieldsQuoteTheDeckCharactersInUtf8) {
    // The bar deck with node 1's six numbers written badly (each still read as 0).
    const std::string deck = "ONE BAR\r\n2 1\r\n1 1 1 1 0\xDC 0y 0y 0y 0y 0y\r\n" +
                             kBarText.substr(kBarText.find("2 0 1 1"));
    Open(kDeckPath, deck);
    Do(CommandId::RunAnalysis);
    EXPECT_EQ(platform.messages,
              Shown({"Warning", "Line 3, field 5: \"0\xC3\x9C\" was read as 0\r\n"
                                "Line 3, field 6: \"0y\" was read as 0\r\n"
                                "Line 3, field 7: \"0y\" was read as 0\r\n"
                                "Line 3, field 8: \"0y\" was read as 0\r\n"
                                "Line 3, field 9: \"0y\" was read as 0\r\n"
                                "\xE2\x80\xA6 and 1 more"}));
    EXPECT_EQ(Text(), deck + kBarReport) << "the document keeps its byte";
}

TEST_F(RunCommand, AFailedSaveKeepsTheResultsNameAndTheDeckSnapshot) {
    Open(kDeckPath, kBarDeck);
    platform.failingWrites.insert(kResultsPath);
    Do(CommandId::RunAnalysis);
    EXPECT_EQ(platform.messages, Shown({"Warning", "File " + kResultsPath + " creation failed"}));
    EXPECT_EQ(FileName(), kResultsPath);
    EXPECT_EQ(shell.Document().savedSnapshot, kBarText);
    EXPECT_EQ(Text(), kBarText + kBarReport);
    EXPECT_FALSE(RunEnabled());
    EXPECT_TRUE(LaunchEnabled());
    // Save tries the results name again.
    platform.failingWrites.clear();
    Do(CommandId::Save);
    EXPECT_EQ(platform.files[kResultsPath], kBarText + kBarReport);
    EXPECT_TRUE(RunEnabled());
}

TEST_F(RunCommand, ADeckOverTheLoadedSizeIsAnalysedButNotSaved) {
    const std::string deck = "LONG " + std::string(64000, 'T') + kBarDeck.substr(7);
    Open(kDeckPath, deck);
    Do(CommandId::RunAnalysis);
    EXPECT_EQ(platform.messages, Shown({"Warning", "File is limited to 64000 chars"}));
    EXPECT_NE(Text().find("1   1.000E+05    1.000E+03"), std::string::npos);
    EXPECT_EQ(platform.files.count(kResultsPath), 0u);
    EXPECT_EQ(FileName(), kResultsPath);
}

TEST_F(RunCommand, RebuildsTheStatusBarAndLeavesItEmpty) {
    Open(kDeckPath, kBarDeck);
    shell.OnTimer();
    const int builds = platform.statusBarBuilds;
    Do(CommandId::RunAnalysis);
    EXPECT_EQ(platform.statusBarBuilds, builds + 1);
    EXPECT_EQ(platform.statusTexts[0], "");
    EXPECT_EQ(platform.statusTexts[1], "");
    shell.OnTimer();
    EXPECT_EQ(platform.statusTexts[1],
              kResultsPath + " " + std::to_string((kBarText + kBarReport).size()) + " chars ");
}

TEST_F(RunCommand, ARunOfTheSavedResultsFileGetsASecondSuffix) {
    Open(kDeckPath, kBarDeck);
    Do(CommandId::RunAnalysis);
    Do(CommandId::Save);
    ASSERT_TRUE(RunEnabled());
    Do(CommandId::RunAnalysis);
    const std::string second = kFolder + "/bridge-RZ-RZ.TXT";
    EXPECT_EQ(FileName(), second);
    // The new report goes right after the deck; the first one follows it unchanged, and the
    // line break the run appends lands after the first report's own final line break.
    EXPECT_EQ(platform.files[second], kBarText + kBarReport + kBarReport.substr(2) + "\r\n");
}

struct ResultsNameCase {
    std::string document;
    std::string results;
};

TEST(RunResultsName, CutBeforeTheLastDotOfTheWholePath) {
    const std::vector<ResultsNameCase> cases{
        {"/decks/bridge.txt", "/decks/bridge-RZ.TXT"},
        {"/decks/bridge", "/decks/bridge-RZ.TXT"},
        {"/work.2/bridge", "/work-RZ.TXT"},
        {"/decks/a.b.txt", "/decks/a.b-RZ.TXT"},
        {"/my decks/bridge 1.dat", "/my decks/bridge 1-RZ.TXT"},
    };
    for (const ResultsNameCase& c : cases) {
        SCOPED_TRACE(c.document);
        Session s;
        s.Open(c.document, kBarDeck);
        s.Do(CommandId::RunAnalysis);
        EXPECT_EQ(s.FileName(), c.results);
        EXPECT_EQ(s.platform.writeAttempts, std::vector<std::string>{c.results});
        EXPECT_EQ(s.platform.files[c.results], kBarText + kBarReport);
    }
}

using LaunchCommand = ShellTest;

TEST_F(LaunchCommand, StartsTheViewerOnTheOpenedFile) {
    Open(kDeckPath, kBarDeck);
    Do(CommandId::LaunchViewer);
    EXPECT_EQ(platform.viewerQueries, std::vector<std::string>{"Vantrel37.exe"});
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0].program, "Vantrel37.exe");
    EXPECT_EQ(platform.started[0].arguments, std::vector<std::string>{kDeckPath});
    EXPECT_EQ(platform.started[0].workingFolder, kFolder);
}

TEST_F(LaunchCommand, StartsTheViewerWhereThePlatformFoundIt) {
    platform.viewerPath = "/opt/trelvo/bin/Vantrel37.exe";
    Open(kDeckPath, kBarDeck);
    Do(CommandId::RunAnalysis);
    Do(CommandId::LaunchViewer);
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0].program, "/opt/trelvo/bin/Vantrel37.exe");
    EXPECT_EQ(platform.started[0].arguments, std::vector<std::string>{kResultsPath});
}

TEST_F(LaunchCommand, WithoutAFileNameTheViewerGetsNoArgument) {
    Open(kDeckPath, kBarDeck);
    Do(CommandId::RunAnalysis);
    platform.openAnswers.push_back("");
    Do(CommandId::Open);
    ASSERT_TRUE(LaunchEnabled());
    Do(CommandId::LaunchViewer);
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_TRUE(platform.started[0].arguments.empty());
}

TEST_F(LaunchCommand, APathWithBlanksStaysOneArgument) {
    const std::string path = "/home/ana/my decks/big bridge.txt";
    Open(path, kBarDeck);
    Do(CommandId::LaunchViewer);
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0].arguments, std::vector<std::string>{path});
}

TEST_F(LaunchCommand, AViewerThatDoesNotStartIsIgnored) {
    platform.processStarts = false;
    Open(kDeckPath, kBarDeck);
    Do(CommandId::LaunchViewer);
    EXPECT_EQ(platform.started.size(), 1u);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(RunEnabled());
    EXPECT_TRUE(LaunchEnabled());
    EXPECT_EQ(FileName(), kDeckPath);
}

} // namespace
} // namespace trelvo::testing
