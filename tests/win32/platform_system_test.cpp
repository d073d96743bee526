// The system side of the platform: the viewer's command line, where the viewer is looked
// for, the current folder, the clock and the display.
#include "program_fixture.h"

namespace trelvo::win32::test {
namespace {

TEST(CommandLineTest, EachArgumentStaysOneArgument) {
    const struct {
        std::vector<std::string> arguments;
        const char* line;
    } rows[] = {
        {{}, "\"Vantrel37.exe\""},
        {{"C:\\decks\\bridge.txt"}, "\"Vantrel37.exe\" C:\\decks\\bridge.txt"},
        {{"C:\\my decks\\a b.txt"}, "\"Vantrel37.exe\" \"C:\\my decks\\a b.txt\""},
        {{"C:\\my decks\\"}, "\"Vantrel37.exe\" \"C:\\my decks\\\\\""},
        {{"say \"hi\""}, "\"Vantrel37.exe\" \"say \\\"hi\\\"\""},
        {{""}, "\"Vantrel37.exe\" \"\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CommandLine("Vantrel37.exe", row.arguments), row.line) << row.line;
}

// The system's own parsing gives the arguments back unchanged.
TEST(CommandLineTest, SystemParsingGivesTheArgumentsBack) {
    const std::vector<std::string> arguments{"C:\\my decks\\a b.txt", "tab\there", "x\\\"y", "end\\"};
    const std::string line = CommandLine("C:\\programs\\Vantrel37.exe", arguments);
    std::wstring wide(line.begin(), line.end());
    int count = 0;
    LPWSTR* parsed = ::CommandLineToArgvW(wide.c_str(), &count);
    ASSERT_EQ(count, 5);
    for (int i = 1; i < count; ++i)
        EXPECT_EQ(std::wstring(parsed[i]), std::wstring(arguments[i - 1].begin(), arguments[i - 1].end()));
    ::LocalFree(parsed);
}

using SystemTest = ProgramTest;

// The tests' own folder holds the viewer's stand-in, beside the running program.
TEST_F(SystemTest, ViewerIsFoundBesideTheProgramFirst) {
    char program[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string beside(program);
    beside = beside.substr(0, beside.find_last_of('\\') + 1) + "Vantrel37.exe";
    EXPECT_EQ(TheProgram().Platform().FindViewer("Vantrel37.exe"), beside);
    EXPECT_EQ(TheProgram().Platform().FindViewer("no-such-viewer-anywhere.exe"), "");
}

TEST_F(SystemTest, ViewerInTheCurrentFolderComesNext) {
    TemporaryFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File("OtherViewer.exe"), "MZ"));
    char previous[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(folder.Path().c_str());
    const std::string found = TheProgram().Platform().FindViewer("OtherViewer.exe");
    const std::string current = TheProgram().Platform().CurrentFolder();
    ::SetCurrentDirectoryA(previous);
    EXPECT_EQ(found, folder.File("OtherViewer.exe"));
    EXPECT_EQ(current, folder.Path());
}

TEST_F(SystemTest, ViewerOnTheSearchPathComesLast) {
    EXPECT_FALSE(TheProgram().Platform().FindViewer("notepad.exe").empty());
}

TEST_F(SystemTest, ClockAndDisplay) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const LocalTime time = TheProgram().Platform().Now();
    EXPECT_EQ(time.year, now.wYear);
    EXPECT_EQ(time.month, now.wMonth);
    EXPECT_EQ(time.day, now.wDay);
    const HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(TheProgram().Platform().DisplayDpiY(), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
}

} // namespace
} // namespace trelvo::win32::test
