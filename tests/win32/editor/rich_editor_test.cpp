// What the Windows editor does beyond the text model's rules: its revision, its font,
// the edit requests, and the characters it refuses, typed, pasted, dropped or committed
// by an input method.
#include "win32/editor/clipboard_text.h"
#include "tests/win32/editor/user_input.h"
#include "tests/win32/editor/editor_window.h"
#include "editor/font_commands.h"

#include <gtest/gtest.h>

#include <imm.h>
#include <ole2.h>

#include <functional>
#include <vector>

namespace trelvo::win32::test {
namespace {

class RichEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Editor().OnInsertRefused([this](char32_t character) { refused_.push_back(character); });
    }

    RichEditor& Editor() { return window_.Editor(); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageA(Editor().Handle(), message, wParam, lParam);
    }
    // Puts UTF-16 text at the caret past the code page, as only an input method could.
    void InsertWide(const std::wstring& text) {
        SETTEXTEX how{ST_SELECTION, 1200};
        Send(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(text.c_str()));
    }

    EditorWindow window_;
    std::vector<char32_t> refused_;
};

TEST_F(RichEditorTest, RevisionGrowsWithEveryChange) {
    const std::pair<const char*, std::function<void(RichEditor&)>> changes[] = {
        {"set text", [](RichEditor& e) { e.SetText("a\r\nb"); }},
        {"insert line", [](RichEditor& e) { e.InsertLine(0, "c"); }},
        {"replace selection", [](RichEditor& e) { e.ReplaceSelection("d"); }},
        {"change notification", [](RichEditor& e) { e.NoteChange(); }},
    };
    for (const auto& [what, change] : changes) {
        const std::uint64_t before = Editor().Revision();
        change(Editor());
        EXPECT_GT(Editor().Revision(), before) << what;
    }
}

TEST_F(RichEditorTest, ApplyFontKeepsTheTextInTheNewFontWithoutUndoHistory) {
    Editor().SetText("first\r\nsecond");
    Editor().SelectRange(2, 4);
    Editor().ReplaceSelection("X");
    ASSERT_NE(Send(EM_CANUNDO), 0);
    Editor().ApplyFont(MakeFont("Courier New", 14, kStyleBold + kStyleItalic, 96), 0x0000FF);
    EXPECT_EQ(Editor().GetText(), "fiXt\r\nsecond");
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    EXPECT_EQ(Editor().Selection().cpMin, 0);
    EXPECT_EQ(Editor().Selection().cpMax, 0);

    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    Send(EM_SETSEL, 0, -1);
    Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Courier New");
    EXPECT_EQ(format.crTextColor, 0x0000FFu);
    EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_AUTOCOLOR), DWORD{CFE_BOLD | CFE_ITALIC});
    EXPECT_EQ(format.yHeight, 19 * 1440 / 96); // 14 points at 96 pixels per inch: 19 pixels
}

TEST_F(RichEditorTest, ApplyFontKeepsARememberedEmptyLine) {
    Editor().InsertLine(-1, "");
    Editor().ApplyFont(MakeFont("Arial", 11, 0, 96), 0);
    EXPECT_EQ(Editor().LineCount(), 1);
}

TEST_F(RichEditorTest, EditRequestsActOnTheSelectionAndTheClipboard) {
    Editor().SetText("abc");
    Editor().SelectRange(1, 2);
    Editor().Cut();
    EXPECT_EQ(Editor().GetText(), "ac");
    EXPECT_EQ(ReadClipboardText(nullptr), L"b");
    Editor().Undo();
    EXPECT_EQ(Editor().GetText(), "abc");
    Editor().SelectRange(0, 3);
    Editor().Copy();
    EXPECT_EQ(ReadClipboardText(nullptr), L"abc");
    Editor().SelectRange(3, 3);
    Editor().Paste();
    EXPECT_EQ(Editor().GetText(), "abcabc");
}

TEST_F(RichEditorTest, PastedTextTakesTheCodePagesBytesAndLineEnds) {
    ASSERT_TRUE(SetClipboardText(L"x\u00E9\r\ny\nz"));
    Editor().Paste();
    EXPECT_EQ(Editor().GetText(), "x\xE9\r\ny\r\nz");
    EXPECT_TRUE(refused_.empty());
}

// Every way a paste reaches the control goes through the same check.
TEST_F(RichEditorTest, PasteHoldingACharacterTheCodePageLacksInsertsNothing) {
    const std::pair<const char*, std::function<void()>> pastes[] = {
        {"Paste", [this] { Editor().Paste(); }},
        {"Ctrl+V", [this] { HeldKeys held{VK_CONTROL}; Send(WM_KEYDOWN, 'V'); }},
        {"Shift+Insert", [this] { HeldKeys held{VK_SHIFT}; Send(WM_KEYDOWN, VK_INSERT); }},
        {"paste special", [this] { Send(EM_PASTESPECIAL, CF_UNICODETEXT); }},
    };
    for (const auto& [what, paste] : pastes) {
        Editor().SetText("keep");
        refused_.clear();
        ASSERT_TRUE(SetClipboardText(L"ab\u4E2Dc\U0001F600"));
        paste();
        EXPECT_EQ(Editor().GetText(), "keep") << what;
        EXPECT_EQ(refused_, std::vector<char32_t>{0x4E2D}) << what;
    }
}

TEST_F(RichEditorTest, AnOutsideCharacterBeyondTheBasicPlaneIsNamedWhole) {
    ASSERT_TRUE(SetClipboardText(L"a\U0001F600"));
    Editor().Paste();
    EXPECT_EQ(refused_, std::vector<char32_t>{0x1F600});
}

TEST_F(RichEditorTest, TypedCharactersTheCodePageLacksAreRefused) {
    const struct {
        WPARAM character;
        bool refused;
    } rows[] = {{'a', false}, {0xE9, false}, {'\r', false}, {0x4E2D, true}, {0xD83D, true}, {0xDE00, true}};
    for (const auto& row : rows) {
        const MSG typed{Editor().Handle(), WM_CHAR, row.character, 0, 0, {}};
        EXPECT_EQ(Editor().RefuseTypedCharacter(typed), row.refused) << row.character;
    }
    const MSG elsewhere{window_.Frame(), WM_CHAR, 0x4E2D, 0, 0, {}};
    EXPECT_FALSE(Editor().RefuseTypedCharacter(elsewhere));
    const MSG key{Editor().Handle(), WM_KEYDOWN, 0x4E2D, 0, 0, {}};
    EXPECT_FALSE(Editor().RefuseTypedCharacter(key));
}

// A drag from another program, played on the editor's drop target with the clipboard's
// data object standing in for the source's.
TEST_F(RichEditorTest, DroppedTextIsCheckedLikeAPasteAndLandsWhereDropped) {
    ASSERT_NE(Editor().DropTarget(), nullptr);
    const struct {
        const wchar_t* dragged;
        const char* after;
        std::vector<char32_t> refused;
    } rows[] = {
        {L"x\u00E9", "kex\xE9" "ep", {}},
        {L"x\u4E2D", "keep", {0x4E2D}},
    };
    for (const auto& row : rows) {
        Editor().SetText("keep");
        refused_.clear();
        ASSERT_TRUE(SetClipboardText(row.dragged));
        IDataObject* data = nullptr;
        ASSERT_EQ(::OleGetClipboard(&data), S_OK);
        POINT at{};
        Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), 2); // before the second "e"
        ::ClientToScreen(Editor().Handle(), &at);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        Editor().DropTarget()->DragEnter(data, MK_LBUTTON, POINTL{at.x, at.y + 2}, &effect);
        EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY}) << row.after;
        Editor().DropTarget()->Drop(data, MK_LBUTTON, POINTL{at.x, at.y + 2}, &effect);
        data->Release();
        EXPECT_EQ(Editor().GetText(), row.after);
        EXPECT_EQ(refused_, row.refused) << row.after;
    }
}

TEST_F(RichEditorTest, ADragWithoutTextIsRefused) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    IDataObject* data = nullptr;
    ASSERT_EQ(::OleGetClipboard(&data), S_OK);
    DWORD effect = DROPEFFECT_COPY;
    Editor().DropTarget()->DragEnter(data, MK_LBUTTON, POINTL{0, 0}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    data->Release();
}

// An input method commits through its context; the commit is checked as typing is.
TEST_F(RichEditorTest, AnInputMethodsCommitIsInsertedOnlyWhenTheCodePageHoldsIt) {
    const struct {
        const wchar_t* committed;
        const char* after;
    } rows[] = {{L"\u00E9t\u00E9", "\xE9t\xE9"}, {L"\u4E2D\u6587", ""}};
    for (const auto& row : rows) {
        Editor().SetText("");
        const HIMC context = ::ImmGetContext(Editor().Handle());
        ASSERT_NE(context, nullptr);
        const auto bytes = static_cast<DWORD>(std::wcslen(row.committed) * sizeof(wchar_t));
        ::ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(row.committed), bytes, nullptr, 0);
        ::ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        ::ImmReleaseContext(Editor().Handle(), context);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        EXPECT_EQ(Editor().GetText(), row.after);
    }
}

TEST_F(RichEditorTest, TabIsNeverTyped) {
    Editor().SetText("ab");
    Editor().SelectRange(1, 1);
    Send(WM_KEYDOWN, VK_TAB);
    Send(WM_CHAR, '\t');
    EXPECT_EQ(Editor().GetText(), "ab");
    Send(WM_CHAR, 'x');
    EXPECT_EQ(Editor().GetText(), "axb");
}

TEST_F(RichEditorTest, FirstUnencodableLineNamesTheLineOfAnOutsideCharacter) {
    Editor().SetText("a\r\nb\xE9\r\nc");
    EXPECT_EQ(Editor().FirstUnencodableLine(), std::nullopt);
    Editor().SelectRange(4, 4);
    InsertWide(L"\u4E2D");
    EXPECT_EQ(Editor().FirstUnencodableLine(), 2);
}

} // namespace
} // namespace trelvo::win32::test
