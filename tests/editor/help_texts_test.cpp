#include "editor/help_texts.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace trelvo {
namespace {

struct ExpectedLine {
    std::size_t leadingBlanks;
    std::string words;
    std::size_t trailingBlanks;
};

std::string Layout(const ExpectedLine& line) {
    return std::string(line.leadingBlanks, ' ') + line.words +
           std::string(line.trailingBlanks, ' ');
}

// Cuts a text at every CR LF; every line, the last one included, must end with one.
std::vector<std::string> LinesEndingInCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find("\r\n", from);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CR LF after: " << text.substr(from);
            break;
        }
        lines.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    return lines;
}

void ExpectLines(const std::string& text, const std::vector<ExpectedLine>& expected) {
    const std::vector<std::string> lines = LinesEndingInCrLf(text);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], Layout(expected[i])) << "line " << i + 1;
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
    }
}

const std::vector<ExpectedLine> kHelpLines = {
    {0, "Input File Description:", 0},
    {0, std::string(74, '='), 0},
    {0, "Line 1: General Information/Comments", 0},
    {0, "Line 2: [No. of Nodes][No. of Elements]", 1},
    {0, "Line 3 (First Node Info):[Node No.][Fixed in X Y Z][Coordinates X Y Z][Loads X Y Z]", 1},
    {32, "[Fixed in X Y Z] <--- Integer: 0 means free to move, 1 means fixed.", 0},
    {32, "[Fixed in X Y Z] <--- For 2D Truss, set Z to 1 on all nodes.", 0},
    {32, "[Coordinates X Y Z][Loads X Y Z]<-- Decimal format, such as 12.34", 1},
    {0, "Next Line:(Second node info.)", 1},
    {13, "(Repeat the above for the rest of the nodes, one node one line.)", 1},
    {7, std::string(50, '.'), 2},
    {0, "Next Group of Lines:Element info", 1},
    {8, "First element info.: [Element No.][Node][Node][Young's Modulus][Cross Sectional Area]", 0},
    {35, "[E] [A] <-- Real formats: 3.14 or 12.3E-6", 1},
    {13, "(Repeat the above for the rest of the elements, one element one line.)", 1},
    {0, std::string(74, '='), 0},
    {0, "EXAMPLE 2D TRUSS", 0},
    {0, "3 2", 0},
    {0, "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0", 0},
    {0, "2 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0", 0},
    {0, "3 1 1 1 12.0 0.0 0.0 0.0 0.0 0.0", 0},
    {0, "1 1 2 30.0e6 0.049", 0},
    {0, "2 2 3 30.0e6 0.049", 0},
};

const std::vector<ExpectedLine> kAboutLines = {
    {14, "Trelvo", 1},
    {9, "Finite Element Analysis", 1},
    {0, "", 0},
    {17, "Version 3.7", 0},
    {11, "Released 2017/6/5", 0},
    {0, "", 0},
    {0, "This program can be used to solve:", 0},
    {9, "1D, 2D and 3D Trusses.", 0},
    {9, "Max 50 nodes/elements.", 0},
};

TEST(HelpText, HasItsPublishedLength) {
    EXPECT_EQ(HelpText().size(), 1270u);
}

TEST(HelpText, HasTwentyThreeLinesWithTheirBlanks) {
    ExpectLines(HelpText(), kHelpLines);
}

TEST(AboutText, HasNineLinesWithTheirBlanks) {
    ExpectLines(AboutText(), kAboutLines);
}

TEST(AboutText, HasTheLengthOfItsLines) {
    // 23 + 35 + 2 + 30 + 30 + 2 + 36 + 33 + 33, line ends included.
    EXPECT_EQ(AboutText().size(), 224u);
}

TEST(AboutText, IsTheSameEveryTime) {
    const std::string first = AboutText();
    const std::string second = AboutText();
    EXPECT_EQ(first, second);
    EXPECT_EQ(second.size(), 224u);
}

TEST(WindowTitles, KeepTheirLeadingBlank) {
    EXPECT_STREQ(kWindowTitle, " TRELVO V.3.7");
    EXPECT_STREQ(kAboutTitle, " Trelvo");
}

} // namespace
} // namespace trelvo
