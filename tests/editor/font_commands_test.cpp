#include "editor/font_commands.h"

#include "tests/editor/scripted_dialogs.h"
#include "tests/editor/scripted_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace trelvo::testing {
namespace {

void ExpectFont(const FontSpec& actual, const FontSpec& expected) {
    EXPECT_EQ(actual.faceName, expected.faceName);
    EXPECT_EQ(actual.pixelHeight, expected.pixelHeight);
    EXPECT_EQ(actual.weight, expected.weight);
    EXPECT_EQ(actual.italic, expected.italic);
    EXPECT_EQ(actual.underline, expected.underline);
    EXPECT_EQ(actual.strikeout, expected.strikeout);
}

// --- The font creation rule ------------------------------------------------------------

TEST(MakeFont, GivesANegativePixelHeightFromPointsAndDisplayResolution) {
    // 11 x 96 / 72 = 14.67, 10 x 96 / 72 = 13.33, 12 x 96 / 72 = 16.
    EXPECT_EQ(MakeFont("Arial", 11, 0, 96).pixelHeight, -15);
    EXPECT_EQ(MakeFont("Arial", 10, 0, 96).pixelHeight, -13);
    EXPECT_EQ(MakeFont("Arial", 12, 0, 96).pixelHeight, -16);
    // 11 x 120 / 72 = 18.33; 12 x 120 / 72 = 20.
    EXPECT_EQ(MakeFont("Arial", 11, 0, 120).pixelHeight, -18);
    EXPECT_EQ(MakeFont("Arial", 12, 0, 120).pixelHeight, -20);
}

TEST(MakeFont, RoundsHalvesAwayFromZero) {
    // 9 x 100 / 72 = 12.5 and 3 x 84 / 72 = 3.5.
    EXPECT_EQ(MakeFont("Arial", 9, 0, 100).pixelHeight, -13);
    EXPECT_EQ(MakeFont("Arial", 3, 0, 84).pixelHeight, -4);
}

TEST(MakeFont, ScalesThePrintSizes) {
    // Four times 11 points: 44 x 96 / 72 = 58.67.
    EXPECT_EQ(MakeFont("Arial", 44, 0, 96).pixelHeight, -59);
    EXPECT_EQ(MakeFont("Arial", 40, 0, 96).pixelHeight, -53);
}

TEST(MakeFont, IsBoldOnlyWithTheBoldFlag) {
    EXPECT_EQ(MakeFont("Arial", 11, 0, 96).weight, 400);
    EXPECT_EQ(MakeFont("Arial", 11, kStyleBold, 96).weight, 700);
    EXPECT_EQ(MakeFont("Arial", 11, kStyleItalic + kStyleUnderline + kStyleStrikeout, 96).weight,
              400);
}

TEST(MakeFont, FollowsEachStyleFlag) {
    ExpectFont(MakeFont("Courier New", 11, kStyleItalic, 96),
               FontSpec{"Courier New", -15, 400, true, false, false});
    ExpectFont(MakeFont("Courier New", 11, kStyleUnderline, 96),
               FontSpec{"Courier New", -15, 400, false, true, false});
    ExpectFont(MakeFont("Courier New", 11, kStyleStrikeout, 96),
               FontSpec{"Courier New", -15, 400, false, false, true});
    ExpectFont(MakeFont("Times", 12, 256 + 512 + 4 + 8, 96),
               FontSpec{"Times", -16, 700, true, true, true});
}

// --- Change Font -----------------------------------------------------------------------

class ChangeFont : public ::testing::Test {
protected:
    void Choose(const std::string& face, int sizeTenths, int weight = 400,
                std::uint32_t colour = 0) {
        FontChoice choice;
        choice.faceName = face;
        choice.sizeTenths = sizeTenths;
        choice.weight = weight;
        choice.colour = colour;
        dialogs.fontChoices.push_back(choice);
    }
    void Run() { ChangeFontCommand(font, dialogs, dpiY, editor); }

    EditorFont font;
    ScriptedDialogs dialogs;
    int dpiY = 96;
    ScriptedEditor editor{"1 truss\r\n3 2\r\n"};
};

TEST_F(ChangeFont, StartsFromArialElevenBlackRegular) {
    EXPECT_EQ(font.faceName, "Arial");
    EXPECT_EQ(font.pointSize, 11);
    EXPECT_EQ(font.styleFlags, 0);
    EXPECT_EQ(font.textColour, 0u);
}

TEST_F(ChangeFont, OpensTheDialogWithTheFaceAndSize) {
    font.faceName = "Courier New";
    font.pointSize = 14;
    Choose("Arial", 120);
    Run();
    ASSERT_EQ(dialogs.fontRequests.size(), 1u);
    EXPECT_EQ(dialogs.fontRequests[0].faceName, "Courier New");
    EXPECT_EQ(dialogs.fontRequests[0].pointSize, 14);
}

TEST_F(ChangeFont, TakesTheChosenFaceSizeStyleAndColour) {
    FontChoice choice;
    choice.faceName = "Times New Roman";
    choice.sizeTenths = 120;
    choice.weight = 700;
    choice.italic = true;
    choice.underline = true;
    choice.strikeout = true;
    choice.colour = 0x0000FF; // red
    dialogs.fontChoices.push_back(choice);
    Run();
    EXPECT_EQ(font.faceName, "Times New Roman");
    EXPECT_EQ(font.pointSize, 12);
    EXPECT_EQ(font.styleFlags, 256 + 512 + 4 + 8);
    EXPECT_EQ(font.textColour, 0x0000FFu);
    ASSERT_EQ(editor.appliedFonts.size(), 1u);
    ExpectFont(editor.appliedFonts[0].font,
               FontSpec{"Times New Roman", -16, 700, true, true, true});
    EXPECT_EQ(editor.appliedFonts[0].colour, 0x0000FFu);
}

TEST_F(ChangeFont, DropsTheFractionOfAPoint) {
    Choose("Arial", 105);
    Run();
    EXPECT_EQ(font.pointSize, 10);
    ExpectFont(editor.appliedFonts.at(0).font, FontSpec{"Arial", -13, 400, false, false, false});
}

TEST_F(ChangeFont, KeepsThePointSizeWhenTheDialogGivesLessThanOnePoint) {
    font.pointSize = 14;
    Choose("Arial", 0);
    Run();
    EXPECT_EQ(font.pointSize, 14);
    Choose("Arial", 9);
    Run();
    EXPECT_EQ(font.pointSize, 14);
    // 14 x 96 / 72 = 18.67
    EXPECT_EQ(editor.appliedFonts.at(1).font.pixelHeight, -19);
}

TEST_F(ChangeFont, ShowsOnlyExactlyBoldAsBold) {
    for (const int weight : {600, 800, 900, 699, 701}) {
        Choose("Arial", 110, weight);
        Run();
        EXPECT_EQ(font.styleFlags, 0) << "weight " << weight;
        EXPECT_EQ(editor.appliedFonts.back().font.weight, 400) << "weight " << weight;
    }
    Choose("Arial", 110, 700);
    Run();
    EXPECT_EQ(font.styleFlags, kStyleBold);
    EXPECT_EQ(editor.appliedFonts.back().font.weight, 700);
}

TEST_F(ChangeFont, ConfirmingBlackRegularUndoesRedBold) {
    font.styleFlags = kStyleBold + kStyleItalic;
    font.textColour = 0x0000FF;
    Choose("Arial", 110);
    Run();
    EXPECT_EQ(font.styleFlags, 0);
    EXPECT_EQ(font.textColour, 0u);
    ASSERT_EQ(editor.appliedFonts.size(), 1u);
    ExpectFont(editor.appliedFonts[0].font, FontSpec{"Arial", -15, 400, false, false, false});
    EXPECT_EQ(editor.appliedFonts[0].colour, 0u);
}

TEST_F(ChangeFont, UsesTheDisplayResolution) {
    dpiY = 120;
    Choose("Arial", 120);
    Run();
    EXPECT_EQ(editor.appliedFonts.at(0).font.pixelHeight, -20);
}

TEST_F(ChangeFont, KeepsTheText) {
    Choose("Courier New", 100);
    Run();
    EXPECT_EQ(editor.GetText(), "1 truss\r\n3 2\r\n");
    EXPECT_EQ(editor.setTextCalls, 0);
}

TEST_F(ChangeFont, CancelledDialogChangesNothing) {
    font.faceName = "Courier New";
    font.pointSize = 14;
    font.styleFlags = kStyleBold + kStyleUnderline;
    font.textColour = 0x00FF00;
    dialogs.fontChoices.push_back(std::nullopt);
    Run();
    EXPECT_EQ(dialogs.fontRequests.size(), 1u);
    EXPECT_EQ(font.faceName, "Courier New");
    EXPECT_EQ(font.pointSize, 14);
    EXPECT_EQ(font.styleFlags, kStyleBold + kStyleUnderline);
    EXPECT_EQ(font.textColour, 0x00FF00u);
    EXPECT_TRUE(editor.appliedFonts.empty());
    EXPECT_EQ(editor.GetText(), "1 truss\r\n3 2\r\n");
}

} // namespace
} // namespace trelvo::testing
