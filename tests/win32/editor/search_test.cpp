// Find, Find Next and Replace through the real prompt: its keys, its place, and what the
// commands do with the answers.
#include "tests/win32/editor/user_input.h"
#include "tests/win32/editor/program_fixture.h"

namespace trelvo::win32::test {
namespace {

using enum CommandId;
using SearchTest = ProgramTest;

CHARRANGE Selected(RichEditor& editor) { return editor.Selection(); }

TEST_F(SearchTest, FindAsksWithItsTitleMessageAndPresetAndSelectsTheMatch) {
    Editor().SetText("ab\r\ncd\r\ncd");
    std::string message, preset;
    script_.Then([&](HWND prompt) {
        message = WindowText(::GetDlgItem(prompt, kPromptMessageId));
        preset = WindowText(::GetDlgItem(prompt, kPromptFieldId));
        TypeAndEnter("cd")(prompt);
    });
    Press('F', {VK_CONTROL});
    EXPECT_EQ(script_.Titles(), std::vector<std::string>{"Find"});
    EXPECT_EQ(message, "Enter the text to Find");
    EXPECT_EQ(preset, "");
    EXPECT_EQ(Selected(Editor()).cpMin, 3); // the line end counts as one character
    EXPECT_EQ(Selected(Editor()).cpMax, 5);

    Press(VK_F3);
    EXPECT_EQ(Selected(Editor()).cpMin, 6);
    EXPECT_EQ(TheShell().Search().matchIndex, 6);
}

TEST_F(SearchTest, PromptIsPlacedCentredWithTheCaretAfterThePreset) {
    Editor().SetText("x");
    script_.Then(TypeAndEnter("preset"));
    Press('F', {VK_CONTROL});
    RECT place{}, work{};
    script_.Then([&](HWND prompt) {
        ::GetWindowRect(prompt, &place);
        const HWND field = ::GetDlgItem(prompt, kPromptFieldId);
        ::PostMessageA(field, WM_CHAR, 'X', 1); // typed where the caret stands
        ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
    });
    Press('F', {VK_CONTROL});
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(place.right - place.left, 300);
    EXPECT_EQ(place.bottom - place.top, 130);
    EXPECT_LE(std::abs((place.left + place.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((place.top + place.bottom) - (work.top + work.bottom)), 1);
    EXPECT_EQ(TheShell().Search().findText, "presetX");
}

// As in the editor, a character the code page cannot hold is refused, typed or pasted.
TEST_F(SearchTest, PromptRefusesCharactersTheCodePageLacks) {
    ASSERT_TRUE(SetClipboardText(L"x\u4E2D"));
    script_.Then([](HWND prompt) {
        const HWND field = ::GetDlgItem(prompt, kPromptFieldId);
        for (WPARAM character : {WPARAM{'a'}, WPARAM{0x4E2D}, WPARAM{0xE9}})
            ::PostMessageW(field, WM_CHAR, character, 1);
        ::PostMessageW(field, WM_PASTE, 0, 0);
        ::PostMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
    });
    Press('F', {VK_CONTROL});
    EXPECT_EQ(TheShell().Search().findText, "a\xE9");
}

TEST_F(SearchTest, EscapeCancelsThePromptWithAnEmptyAnswer) {
    Editor().SetText("abc");
    script_.Then(TypeAndEnter("b"));
    Press('F', {VK_CONTROL});
    script_.Then(PressEscape());
    Press('F', {VK_CONTROL});
    EXPECT_EQ(TheShell().Search().findText, "");
    EXPECT_EQ(TheShell().Search().matchIndex, -1);
}

TEST_F(SearchTest, ReplaceAsksTwiceAndChangesEveryOccurrence) {
    Editor().SetText("aaa\r\nbab");
    script_.Then(TypeAndEnter("a"));
    script_.Then(TypeAndEnter("xy"));
    Press('H', {VK_CONTROL}); // Replace, not a backspace
    EXPECT_EQ(script_.Titles(), (std::vector<std::string>{"Replace", "Replace"}));
    EXPECT_EQ(Editor().GetText(), "xyxyxy\r\nbxyb");
}

TEST_F(SearchTest, ReplacePromptsCarryTheirMessages) {
    std::vector<std::string> messages;
    const Answer note = [&messages](HWND prompt) {
        messages.push_back(WindowText(::GetDlgItem(prompt, kPromptMessageId)));
        PressEscape()(prompt);
    };
    script_.Then(note);
    script_.Then(note);
    Press('H', {VK_CONTROL});
    EXPECT_EQ(messages, (std::vector<std::string>{"Entrer the text to be changed", "Change to"}));
}

TEST_F(SearchTest, ReplaceDisablesRunOnceTheTextDiffers) {
    TemporaryFolder folder;
    const std::string path = folder.File("deck.txt");
    ASSERT_TRUE(WriteBytes(path, "node 1"));
    script_.Then(ChooseFile(path));
    Press('O', {VK_CONTROL});
    ASSERT_TRUE(Window().Tools().IsEnabled(RunAnalysis));
    script_.Then(TypeAndEnter("1"));
    script_.Then(TypeAndEnter("2"));
    Press('H', {VK_CONTROL});
    EXPECT_EQ(Editor().GetText(), "node 2");
    EXPECT_FALSE(Window().Tools().IsEnabled(RunAnalysis));
}

// While the prompt is open the program's other windows take no input.
TEST_F(SearchTest, PromptDisablesTheMainAndTheHelpWindow) {
    Press(VK_F1);
    ASSERT_TRUE(::IsWindowVisible(Help().Handle()));
    bool mainEnabled = true, helpEnabled = true;
    script_.Then([&](HWND prompt) {
        mainEnabled = ::IsWindowEnabled(Window().Handle()) != FALSE;
        helpEnabled = ::IsWindowEnabled(Help().Handle()) != FALSE;
        PressEscape()(prompt);
    });
    Command(Find);
    EXPECT_FALSE(mainEnabled);
    EXPECT_FALSE(helpEnabled);
    EXPECT_TRUE(::IsWindowEnabled(Help().Handle()));
    EXPECT_TRUE(::IsWindowEnabled(Window().Handle()));
}

} // namespace
} // namespace trelvo::win32::test
