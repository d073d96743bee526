// The printed page in 1/600 inch, scaled to the device: what the canvas records on a
// metafile, whose reference device has the display's resolution. And the Print command
// on a machine without a printer.
#include "win32/editor/print_job.h"
#include "tests/win32/editor/program_fixture.h"

#include "editor/font_commands.h"

#include <cstring>

namespace trelvo::win32::test {
namespace {

struct Recorded {
    std::vector<LOGFONTW> fonts;
    std::vector<std::pair<POINTL, std::wstring>> texts;
    std::vector<COLORREF> textColours;
    std::vector<DWORD> backgroundModes;
    std::vector<DWORD> alignments;
};

int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM out) {
    auto& recorded = *reinterpret_cast<Recorded*>(out);
    switch (record->iType) {
    case EMR_EXTCREATEFONTINDIRECTW:
        recorded.fonts.push_back(reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont);
        break;
    case EMR_EXTTEXTOUTW: {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* characters = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        recorded.texts.emplace_back(text->emrtext.ptlReference, std::wstring(characters, text->emrtext.nChars));
        break;
    }
    case EMR_SETTEXTCOLOR:
        recorded.textColours.push_back(reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor);
        break;
    case EMR_SETBKMODE:
        recorded.backgroundModes.push_back(reinterpret_cast<const EMRSETBKMODE*>(record)->iMode);
        break;
    case EMR_SETTEXTALIGN:
        recorded.alignments.push_back(reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode);
        break;
    default:
        break;
    }
    return 1;
}

// 96 device pixels per inch make 1/600 inch 0.16 pixel.
TEST(PrintCanvasTest, MeasuresAreScaledToTheDevice) {
    const HDC metafile = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(::GetDeviceCaps(metafile, LOGPIXELSY), 96);
    {
        PrintCanvas canvas(metafile);
        canvas.SetFont(MakeFont("Arial", 4 * 11, kStyleBold, 96), 0x0000FF);
        canvas.DrawText(360, 448, "first line");
        EXPECT_EQ(canvas.PageHeight(), ::GetDeviceCaps(metafile, VERTRES) * 600 / 96);
    }
    const HENHMETAFILE picture = ::CloseEnhMetaFile(metafile);
    Recorded recorded;
    RECT bounds{0, 0, 1, 1};
    ::EnumEnhMetaFile(nullptr, picture, &Record, &recorded, &bounds);
    ::DeleteEnhMetaFile(picture);

    ASSERT_EQ(recorded.fonts.size(), 1u);
    EXPECT_EQ(recorded.fonts[0].lfHeight, -9); // 44 points at 96 per inch: 59 units of 1/600 inch
    EXPECT_EQ(recorded.fonts[0].lfWeight, 700);
    EXPECT_STREQ(recorded.fonts[0].lfFaceName, L"Arial");
    ASSERT_EQ(recorded.texts.size(), 1u);
    EXPECT_EQ(recorded.texts[0].first.x, 58); // 360 x 0.16 = 57.6
    EXPECT_EQ(recorded.texts[0].first.y, 72); // 448 x 0.16 = 71.68
    EXPECT_EQ(recorded.texts[0].second, L"first line");
    EXPECT_EQ(recorded.textColours.back(), 0x0000FFu);
    EXPECT_EQ(recorded.backgroundModes.back(), DWORD{TRANSPARENT});
    EXPECT_EQ(recorded.alignments.back(), DWORD{TA_LEFT | TA_TOP});
}

using PrintCommandTest = ProgramTest;

// The machines the tests run on have no printer: the system says so, then shows its print
// dialog, whose Cancel ends the command with nothing printed and nothing changed.
TEST_F(PrintCommandTest, CancelledPrintDialogEndsTheCommand) {
    Editor().SetText("one line");
    script_.Then(PushButton(IDOK));
    script_.Then(PushButton(IDCANCEL));
    Press('P', {VK_CONTROL});
    EXPECT_EQ(script_.Titles(), (std::vector<std::string>{"Print", "Print"}));
    EXPECT_EQ(Editor().GetText(), "one line");
    EXPECT_FALSE(TheProgram().QuitRequested());
}

} // namespace
} // namespace trelvo::win32::test
