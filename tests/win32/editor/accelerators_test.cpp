// The keys of the main window: its accelerators, built from the command table, act only
// while it is the window the keys go to; other keys reach the editor, which refuses a
// typed character the code page cannot hold.
#include "tests/win32/editor/program_fixture.h"

#include "win32/editor/commands_ui.h"

namespace trelvo::win32::test {
namespace {

using enum CommandId;
using AcceleratorsTest = ProgramTest;

TEST_F(AcceleratorsTest, TableHoldsEveryShortcutOfTheCommandTable) {
    const HACCEL table = BuildAccelerators();
    std::vector<ACCEL> entries(static_cast<std::size_t>(::CopyAcceleratorTableA(table, nullptr, 0)));
    ::CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    ::DestroyAcceleratorTable(table);
    std::vector<std::tuple<int, int, int>> found;
    for (const ACCEL& entry : entries)
        found.emplace_back(entry.fVirt, entry.key, entry.cmd);
    constexpr int control = FVIRTKEY | FCONTROL, plain = FVIRTKEY;
    const std::vector<std::tuple<int, int, int>> expected{
        {control, 'N', 1},  {control, 'O', 2},  {control, 'S', 3},  {control, 'P', 8},
        {control, 'Q', 10}, {control, 'F', 11}, {plain, VK_F3, 12}, {control, 'H', 13},
        {control, 'Z', 20}, {plain, VK_F1, 15}, {plain, VK_F5, 17}, {plain, VK_F6, 21},
        {plain, VK_ESCAPE, 27}};
    EXPECT_EQ(found, expected);
}

TEST_F(AcceleratorsTest, OtherKeysReachTheEditor) {
    Type(L"ab");
    Press(VK_BACK);
    Press(VK_RETURN);
    Type(L"c");
    EXPECT_EQ(Editor().GetText(), "a\r\nc");
}

TEST_F(AcceleratorsTest, TabMovesTheFocusAndIsNeverTyped) {
    Type(L"a");
    Press(VK_TAB);
    Press(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(Editor().GetText(), "a");
}

TEST_F(AcceleratorsTest, TypedCharacterTheCodePageLacksIsRefused) {
    Type(L"a\u4E2D\U0001F600b\u00E9");
    EXPECT_EQ(Editor().GetText(), "ab\xE9");
}

TEST_F(AcceleratorsTest, EscapeAndCtrlQEndTheProgram) {
    for (const auto& [key, modifier] : {std::pair{WORD{VK_ESCAPE}, 0}, std::pair{WORD{'Q'}, VK_CONTROL}}) {
        Start();
        if (modifier)
            Press(key, {modifier});
        else
            Press(key);
        EXPECT_TRUE(TheProgram().QuitRequested()) << key;
    }
}

TEST_F(AcceleratorsTest, RunEndsWhenTheShellQuits) {
    ::PostMessageW(Window().Handle(), WM_COMMAND, static_cast<WPARAM>(Exit), 0);
    EXPECT_EQ(TheProgram().Run(), 0);
    EXPECT_TRUE(TheProgram().QuitRequested());
}

} // namespace
} // namespace trelvo::win32::test
