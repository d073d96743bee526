#pragma once

#include <string>
#include <vector>

namespace trelvo {

// A deck field its reader took only in part: "8.O" read as 8, "6,0" as 6, "x" as 0. The
// run goes on with the value read; the user is told afterwards.
struct MisreadField {
    int line = 0;  // 1-based line of the deck
    int field = 0; // 1-based field of the line, as the readers split it
    std::string text;
    double readAs = 0.0;
};

// The value as the shortest text that reads back to it ("8", "0.049", "1e+20").
std::string ShortestText(double value);

// The warning the desktop program shows: one line a field, for the first five, then how
// many more. Lines end in CR LF but the last.
std::string MisreadFieldsText(const std::vector<MisreadField>& fields);

// The line trelvo-batch writes to standard error for a field, the way compilers name lines:
// DECK:LINE: field F "TEXT" was read as VALUE
std::string MisreadFieldDiagnostic(const std::string& deck, const MisreadField& field);

} // namespace trelvo
