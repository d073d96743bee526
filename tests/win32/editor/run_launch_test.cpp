// Run analysis and Launch viewer through the real window: an opened deck's results file
// holds the same bytes as the one deck-document sequence gives on the in-memory text,
// and the viewer is started on the document, one argument, in the start folder.
#include "tests/win32/editor/program_fixture.h"

#include "text/deck_document.h"
#include "text/text_model.h"
#include "files/wide_names.h"

#include <filesystem>
#include <sstream>

namespace trelvo::win32::test {
namespace {

using enum CommandId;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

class RunLaunchTest : public ProgramTest {
protected:
    void OpenFile(const std::string& path) {
        script_.Then(ChooseFile(path));
        Press('O', {VK_CONTROL});
        ASSERT_EQ(TheShell().Document().fileName, path);
    }

    TemporaryFolder folder_;
};

TEST_F(RunLaunchTest, ResultsFileHoldsWhatTheDeckDocumentSequenceGives) {
    const std::filesystem::path examples = std::filesystem::path(TRELVO_SOURCE_DIR) / "examples";
    int decks = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::string deckBytes = ReadBytes(entry.path().string());
        TextModel expected;
        auto model = std::make_unique<TrussModel>();
        const DeckDocument document = AnalyseDeckDocument(*model, deckBytes, expected);
        int messages = 0;
        for (const auto& message : {document.outcome.message, MisreadFieldsWarning(document.outcome)})
            if (message) {
                script_.Then(PushButton(IDOK));
                ++messages;
            }

        const std::string deck = folder_.File(name);
        ASSERT_TRUE(WriteBytes(deck, deckBytes));
        OpenFile(deck);
        ClickButton(RunAnalysis);
        const std::string results = ResultsFileName(deck);
        EXPECT_EQ(ReadBytes(results), expected.GetText());
        EXPECT_EQ(document.outcome.HasResults(), expected.GetText().size() > deckBytes.size());
        EXPECT_EQ(TheShell().Document().fileName, results);
        EXPECT_FALSE(Window().Tools().IsEnabled(RunAnalysis));
        EXPECT_TRUE(Window().Tools().IsEnabled(LaunchViewer));
        EXPECT_EQ(Window().Status().Text(0), ""); // built anew, filled at the next tick
        EXPECT_TRUE(script_.Done()) << messages << " messages expected";
        ++decks;
    }
    EXPECT_GE(decks, 5);
}

// trelvo-batch.exe's results file for a deck, written beside it.
bool RunBatch(const std::string& deck) {
    std::wstring line = L"\"" + WideName(TRELVO_BATCH_PROGRAM) + L"\" \"" + WideName(deck) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                          &startup, &process))
        return false;
    ::WaitForSingleObject(process.hProcess, 60000);
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return status == 0;
}

// A name no ANSI code page holds beside a Western one, in a folder named likewise: the deck
// opens from the command line and from the requester, runs, and its results file lands
// beside it with the bytes trelvo-batch.exe writes for a deck of that name.
TEST_F(RunLaunchTest, AnyFileNameOpensRunsAndSavesBesideTheDeck) {
    const std::string name = "\xCE\x94-br\xC3\xBC" "cke"; // "Δ-brücke"
    const std::string deckBytes = ReadBytes(std::string(TRELVO_SOURCE_DIR) + "/examples/help-example.txt");
    const std::string batchFolder = folder_.File(name + " batch"), folder = folder_.File(name);
    for (const std::string& made : {batchFolder, folder})
        ASSERT_TRUE(std::filesystem::create_directories(std::filesystem::path(WideName(made))));
    ASSERT_TRUE(WriteBytes(batchFolder + "\\" + name + ".txt", deckBytes));
    ASSERT_TRUE(RunBatch(batchFolder + "\\" + name + ".txt"));
    const std::string expected = ReadBytes(batchFolder + "\\" + name + "-RZ.TXT");
    ASSERT_GT(expected.size(), deckBytes.size());

    const std::string deck = folder + "\\" + name + ".txt";
    ASSERT_TRUE(WriteBytes(deck, deckBytes));
    for (const bool fromCommandLine : {true, false}) {
        SCOPED_TRACE(fromCommandLine ? "command line" : "requester");
        Start(fromCommandLine ? deck : "");
        if (fromCommandLine) // the status bar shows the name as written, at once
            EXPECT_EQ(Window().Status().Text(1).rfind(deck, 0), 0u) << Window().Status().Text(1);
        else
            OpenFile(deck);
        ClickButton(RunAnalysis);
        EXPECT_EQ(ReadBytes(folder + "\\" + name + "-RZ.TXT"), expected);
        std::filesystem::remove(std::filesystem::path(WideName(folder + "\\" + name + "-RZ.TXT")));
    }
}

TEST_F(RunLaunchTest, DisabledRunButtonIgnoresClicks) {
    Type(L"1 0");
    ClickButton(RunAnalysis);
    EXPECT_EQ(Editor().GetText(), "1 0");
    EXPECT_EQ(TheShell().Document().fileName, "");
}

class LaunchTest : public RunLaunchTest {
protected:
    // The start folder is the current folder when the program starts.
    void SetUp() override {
        char folder[MAX_PATH + 1] = {};
        ::GetCurrentDirectoryA(MAX_PATH, folder);
        previousFolder_ = folder;
        ::SetCurrentDirectoryA(folder_.Path().c_str());
        RunLaunchTest::SetUp();
    }
    void TearDown() override {
        RunLaunchTest::TearDown();
        ::SetCurrentDirectoryA(previousFolder_.c_str());
    }

    std::vector<std::string> LaunchRecord() {
        const std::string record = folder_.File("launch-record.txt");
        const bool written = PumpUntil([&] { return ::GetFileAttributesA(record.c_str()) != INVALID_FILE_ATTRIBUTES; });
        return written ? Lines(ReadBytes(record)) : std::vector<std::string>{"(no record)"};
    }

    std::string previousFolder_;
};

// The viewer beside the program is the test's stand-in, which records how it was started.
TEST_F(LaunchTest, ViewerGetsTheDocumentAsOneArgumentInTheStartFolder) {
    const std::string deck = folder_.File("deck with blanks.txt");
    ASSERT_TRUE(WriteBytes(deck, "EXAMPLE\r\n0 0"));
    OpenFile(deck);
    ClickButton(LaunchViewer);
    EXPECT_EQ(LaunchRecord(), (std::vector<std::string>{folder_.Path(), deck}));
}

TEST_F(LaunchTest, WithoutADocumentTheViewerGetsNoArgument) {
    const std::string deck = folder_.File("deck.txt");
    ASSERT_TRUE(WriteBytes(deck, "x"));
    OpenFile(deck);
    script_.Then(PushButton(IDCANCEL)); // an Open cancelled: no name, Launch still enabled
    Press('O', {VK_CONTROL});
    ASSERT_TRUE(Window().Tools().IsEnabled(LaunchViewer));
    ClickButton(LaunchViewer);
    EXPECT_EQ(LaunchRecord(), std::vector<std::string>{folder_.Path()});
}

} // namespace
} // namespace trelvo::win32::test
