// Change Font through the system's font dialog: it opens preset with the face and size,
// regular and black, with its effects; a confirmed choice becomes the editor's font and
// colour over the whole text; a cancel changes nothing.
#include "tests/win32/editor/program_fixture.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>

namespace trelvo::win32::test {
namespace {

using enum CommandId;
using FontTest = ProgramTest;

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The dialog can only show a face the system has (Wine has "Arial" where a replacement
// names one).
bool SystemHasFace(const char* face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExA(screen, &wanted, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

CHARFORMAT2A EditorFormat(RichEditor& editor) {
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    editor.SelectRange(0, -1);
    ::SendMessageA(editor.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

TEST_F(FontTest, DialogOpensWithTheFaceAndSizeAndItsEffects) {
    if (!SystemHasFace("Arial"))
        GTEST_SKIP() << "no font named Arial on this system";
    std::string face, size;
    bool effects = false;
    script_.Then([&](HWND dialog) {
        face = WindowText(::GetDlgItem(dialog, cmb1));
        size = WindowText(::GetDlgItem(dialog, cmb3));
        effects = ::GetDlgItem(dialog, chx1) && ::GetDlgItem(dialog, chx2) && ::GetDlgItem(dialog, cmb4);
        PushButton(IDCANCEL)(dialog);
    });
    ClickButton(ChangeFont);
    EXPECT_EQ(face, "Arial");
    EXPECT_EQ(size, "11");
    EXPECT_TRUE(effects);
}

TEST_F(FontTest, ConfirmedChoiceBecomesTheEditorsFont) {
    Editor().SetText("deck\r\ntext");
    script_.Then([](HWND dialog) {
        ::SendDlgItemMessageA(dialog, cmb3, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("14"));
        ::CheckDlgButton(dialog, chx2, BST_CHECKED); // underline, as a click on the box
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(chx2, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, chx2)));
        PushButton(IDOK)(dialog);
    });
    ClickButton(ChangeFont);
    EXPECT_EQ(TheShell().Font().pointSize, 14);
    EXPECT_EQ(TheShell().Font().styleFlags, kStyleUnderline);
    EXPECT_EQ(Editor().GetText(), "deck\r\ntext");
    const CHARFORMAT2A format = EditorFormat(Editor());
    EXPECT_EQ(format.szFaceName, TheShell().Font().faceName);
    EXPECT_TRUE(format.dwEffects & CFE_UNDERLINE);
    EXPECT_EQ(::SendMessageA(Editor().Handle(), EM_CANUNDO, 0, 0), 0);
}

TEST_F(FontTest, CancelChangesNothing) {
    Editor().SetText("kept");
    Editor().SelectRange(1, 3);
    script_.Then(PushButton(IDCANCEL));
    ClickButton(ChangeFont);
    EXPECT_EQ(TheShell().Font().faceName, "Arial");
    EXPECT_EQ(TheShell().Font().pointSize, 11);
    EXPECT_EQ(Editor().Selection().cpMin, 1);
    EXPECT_EQ(Editor().Selection().cpMax, 3);
}

// The editor keeps one geometry: the font does not move or resize it.
TEST_F(FontTest, EditorKeepsItsPlace) {
    RECT before{}, after{};
    ::GetWindowRect(Editor().Handle(), &before);
    script_.Then(PushButton(IDOK));
    ClickButton(ChangeFont);
    ::GetWindowRect(Editor().Handle(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
}

} // namespace
} // namespace trelvo::win32::test
