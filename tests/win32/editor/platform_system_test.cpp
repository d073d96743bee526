// The system side of the platform: the viewer's command line, who looks for the viewer,
// the clock and the display.
#include "tests/win32/editor/program_fixture.h"

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

// The process start finds the viewer (the launch tests start the stand-in beside the
// tests that way); the platform names no file of its own finding, not even one it could.
TEST_F(SystemTest, ViewerIsLeftForTheProcessStartToFind) {
    EXPECT_EQ(TheProgram().Platform().FindViewer("Vantrel37.exe"), "");
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
