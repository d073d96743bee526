#include "editor/help_texts.h"

#include <cstddef>
#include <initializer_list>

namespace trelvo {

namespace {

// One line of a fixed text: blanks around the words are part of the layout, so they are
// kept as counts beside the words rather than hidden inside string literals.
struct FixedLine {
    std::size_t leadingBlanks;
    std::string words;
    std::size_t trailingBlanks;
};

std::string JoinLines(std::initializer_list<FixedLine> lines) {
    std::string text;
    for (const FixedLine& line : lines) {
        text.append(line.leadingBlanks, ' ');
        text += line.words;
        text.append(line.trailingBlanks, ' ');
        text += "\r\n";
    }
    return text;
}

// The deck the help page ends with: a plane truss of three nodes and two bars.
std::string BuildExampleDeck() {
    return JoinLines({
        {0, "EXAMPLE 2D TRUSS", 0},
        {0, "3 2", 0},
        {0, "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0", 0},
        {0, "2 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0", 0},
        {0, "3 1 1 1 12.0 0.0 0.0 0.0 0.0 0.0", 0},
        {0, "1 1 2 30.0e6 0.049", 0},
        {0, "2 2 3 30.0e6 0.049", 0},
    });
}

std::string BuildHelpText() {
    const std::string rule(74, '=');
    return JoinLines({
        {0, "Input File Description:", 0},
        {0, rule, 0},
        {0, "Line 1: General Information/Comments", 0},
        {0, "Line 2: [No. of Nodes][No. of Elements]", 1},
        {0, "Line 3 (First Node Info):[Node No.][Fixed in X Y Z][Coordinates X Y Z][Loads X Y Z]",
         1},
        {32, "[Fixed in X Y Z] <--- Integer: 0 means free to move, 1 means fixed.", 0},
        {32, "[Fixed in X Y Z] <--- For 2D Truss, set Z to 1 on all nodes.", 0},
        {32, "[Coordinates X Y Z][Loads X Y Z]<-- Decimal format, such as 12.34", 1},
        {0, "Next Line:(Second node info.)", 1},
        {13, "(Repeat the above for the rest of the nodes, one node one line.)", 1},
        {7, std::string(50, '.'), 2},
        {0, "Next Group of Lines:Element info", 1},
        {8, "First element info.: [Element No.][Node][Node][Young's Modulus][Cross Sectional Area]",
         0},
        {35, "[E] [A] <-- Real formats: 3.14 or 12.3E-6", 1},
        {13, "(Repeat the above for the rest of the elements, one element one line.)", 1},
        {0, rule, 0},
    }) + HelpExampleDeck();
}

} // namespace

const std::string& HelpExampleDeck() {
    static const std::string deck = BuildExampleDeck();
    return deck;
}

const std::string& HelpText() {
    static const std::string text = BuildHelpText();
    return text;
}

std::string AboutText() {
    return JoinLines({
        {14, "Trelvo", 1},
        {9, "Finite Element Analysis", 1},
        {0, "", 0},
        {17, "Version 3.7", 0},
        {11, "Released 2017/6/5", 0},
        {0, "", 0},
        {0, "This program can be used to solve:", 0},
        {9, "1D, 2D and 3D Trusses.", 0},
        {9, "Max 50 nodes/elements.", 0},
    });
}

} // namespace trelvo
