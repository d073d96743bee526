#pragma once

#include "engine/deck_lines.h"
#include "engine/misread_field.h"
#include "engine/truss_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvo {

// A deck the engine refuses. `detail` names the deck line and the problem; it is empty for
// a node line with too few fields, which keeps the message it has always had.
struct InputError {
    std::string detail;
};

// The fields of one element line, read but not yet stored in the tables.
struct ElementLine {
    int lineNumber = 0;
    std::int32_t number = 0;
    double firstNode = 0.0; // rounded, in deck order
    double secondNode = 0.0;
    std::string_view modulusText;
    std::string_view areaText;
};

// Reads a deck in the order of its lines: title and counts, node lines into the tables,
// then element lines, which are all checked before any is stored, so that a refused deck
// assembles nothing and no table is indexed outside its bounds.
class DeckReader {
public:
    explicit DeckReader(std::string_view bytes) : lines_(bytes) {}

    std::optional<InputError> ReadHeader(TrussModel& model);
    std::optional<InputError> ReadNodes(TrussModel& model);
    std::optional<InputError> ReadElements(const TrussModel& model,
                                           std::vector<ElementLine>& elements);

    // The fields read so far that their readers took only in part, in deck order.
    const std::vector<MisreadField>& MisreadFields() const { return misread_; }

private:
    std::int64_t ReadIntegerField(int field, std::string_view text);
    double ReadRealField(int field, std::string_view text);
    ElementLine ParseElementLine(std::string_view trimmed);

    std::optional<InputError> CheckElement(const TrussModel& model, const ElementLine& line,
                                           std::vector<int>& lineOfNumber) const;

    DeckLines lines_;
    std::vector<MisreadField> misread_;
};

// Stores an element line under its number with ordered end nodes, its modulus (scaled
// when its exponent exceeds 8), its area and direction cosines; returns its length.
double StoreElement(TrussModel& model, const ElementLine& line);

// After every element line was stored: each modulus in the scale of the last element's,
// the one factor that brings the results back to the deck's units.
void ExpressModuliInTheRunsScale(TrussModel& model, const std::vector<ElementLine>& elements);

// Length of the bar between two nodes, each square a correctly rounded product.
double ElementLength(const TrussModel& model, int a, int b);

} // namespace trelvo
