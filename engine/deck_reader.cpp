#include "engine/deck_reader.h"

#include "engine/deck_fields.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelvo {
namespace {

constexpr int kNodeLineBlanks = 9;
constexpr int kElementFields = 5;

std::optional<InputError> Refuse(int lineNumber, const std::string& problem) {
    return InputError{"Line " + std::to_string(lineNumber) + ": " + problem};
}

int CountFields(std::string_view trimmed) {
    int fields = 0;
    bool inField = false;
    for (const char c : trimmed) {
        if (c != ' ' && !inField)
            ++fields;
        inField = c != ' ';
    }
    return fields;
}

// A node number as the user will recognise it, whatever the field held.
std::string NodeText(double node) {
    if (std::fabs(node) < 1e15)
        return std::to_string(static_cast<long long>(node));
    return ShortestText(node);
}

bool IsNodeOf(const TrussModel& model, double node) {
    return node >= 1.0 && node <= static_cast<double>(model.nodeCount);
}

// A modulus written with an exponent above 8 is divided by 10^(exponent div 3) and the
// factor kept, so that the stiffness terms stay in a moderate range.
void StoreModulus(TrussModel& model, int e, std::string_view text) {
    model.modulusScale[e] = 1.0;
    if (!HasExponentLetter(text)) {
        model.youngsModulus[e] = ReadReal(text);
        return;
    }
    const ExponentReal read = ReadExponentReal(text);
    model.youngsModulus[e] = read.mantissa * PowerOfTen(read.power);
    if (read.power > 8) {
        const std::int64_t s = read.power / 3;
        model.youngsModulus[e] = model.youngsModulus[e] / PowerOfTen(s);
        model.modulusScale[e] = PowerOfTen(s);
    }
}

// The value of a modulus or area text before any scaling: with an exponent letter, the
// mantissa times ten to the power.
double ReadScaledReal(std::string_view text) {
    if (!HasExponentLetter(text))
        return ReadReal(text);
    const ExponentReal read = ReadExponentReal(text);
    return read.mantissa * PowerOfTen(read.power);
}

bool IsWholeScaledReal(std::string_view text) {
    if (!HasExponentLetter(text))
        return !text.empty() && RealLength(text) == text.size();
    return IsWholeExponentReal(text);
}

// A field is read in part when characters follow those its number was read from, or none
// forms a number. An empty text (a missing counts line, a double blank in it) is no field.
bool IsReadInPart(std::string_view text, std::size_t readLength) {
    return !text.empty() && readLength < text.size();
}

} // namespace

std::int64_t DeckReader::ReadIntegerField(int field, std::string_view text) {
    const std::int64_t value = ReadInteger(text);
    if (IsReadInPart(text, IntegerLength(text)))
        misread_.push_back({lines_.LineNumber(), field, std::string(text), static_cast<double>(value)});
    return value;
}

double DeckReader::ReadRealField(int field, std::string_view text) {
    const double value = ReadReal(text);
    if (IsReadInPart(text, RealLength(text)))
        misread_.push_back({lines_.LineNumber(), field, std::string(text), value});
    return value;
}

// Element node fields are read as reals from the rest of the line and rounded to the
// nearest integer, halves to even; each field is then cut off as PopField does. The
// modulus is the next field and the area the rest of the line.
ElementLine DeckReader::ParseElementLine(std::string_view trimmed) {
    ElementLine line;
    line.lineNumber = lines_.LineNumber();
    std::string_view remaining = trimmed;
    line.number = static_cast<std::int32_t>(ReadIntegerField(1, PopField(remaining)));
    for (const int field : {2, 3}) {
        const std::string_view rest = remaining;
        const double read = ReadReal(rest);
        const std::string_view text = PopField(remaining);
        if (IsReadInPart(text, std::min(RealLength(rest), text.size())))
            misread_.push_back({line.lineNumber, field, std::string(text), read});
        (field == 2 ? line.firstNode : line.secondNode) = std::nearbyint(read);
    }
    const std::size_t blank = remaining.find(' ');
    line.modulusText = blank == std::string_view::npos ? std::string_view{} : remaining.substr(0, blank);
    line.areaText = Trim(remaining.substr(line.modulusText.size()));
    for (const auto& [field, text] : {std::pair{4, line.modulusText}, std::pair{5, line.areaText}})
        if (!IsWholeScaledReal(text))
            misread_.push_back({line.lineNumber, field, std::string(text), ReadScaledReal(text)});
    return line;
}

std::optional<InputError> DeckReader::ReadHeader(TrussModel& model) {
    const std::string_view title = lines_.Next();
    model.printAdjustedK = !title.empty() && title.front() == 'K';

    // The counts line is split at single blanks and not trimmed: a leading blank or a
    // double blank leaves an empty field, which reads as 0.
    const std::string_view counts = lines_.Next();
    const std::size_t firstBlank = counts.find(' ');
    const std::string_view first = counts.substr(0, firstBlank);
    std::string_view second;
    if (firstBlank != std::string_view::npos) {
        const std::string_view rest = counts.substr(firstBlank + 1);
        second = rest.substr(0, rest.find(' '));
    }
    model.nodeCount = static_cast<std::int32_t>(ReadIntegerField(1, first));
    model.elementCount = static_cast<std::int32_t>(
        firstBlank == std::string_view::npos ? 0 : ReadIntegerField(2, second));
    model.dofCount = 0;

    if (model.nodeCount < 0 || model.nodeCount > kMaxNodes)
        return Refuse(2, "the node count " + std::to_string(model.nodeCount) + " is outside 0.." +
                             std::to_string(kMaxNodes) + ".");
    if (model.elementCount < 0 || model.elementCount > kMaxElements)
        return Refuse(2, "the element count " + std::to_string(model.elementCount) +
                             " is outside 0.." + std::to_string(kMaxElements) + ".");
    model.dofCount = 3 * model.nodeCount;
    return std::nullopt;
}

std::optional<InputError> DeckReader::ReadNodes(TrussModel& model) {
    for (int i = 1; i <= model.nodeCount; ++i) {
        std::string_view remaining = Trim(lines_.Next());
        if (std::count(remaining.begin(), remaining.end(), ' ') < kNodeLineBlanks)
            return InputError{};
        PopField(remaining); // the node number: node lines simply come in order
        for (int d = 1; d <= 3; ++d)
            model.fixed[d][i] = static_cast<std::int8_t>(ReadIntegerField(1 + d, PopField(remaining)));
        for (int d = 1; d <= 3; ++d)
            model.coord[d][i] = ReadRealField(4 + d, PopField(remaining));
        for (int d = 1; d <= 3; ++d)
            model.load[d][i] = ReadRealField(7 + d, PopField(remaining));
        for (int d = 1; d <= 3; ++d)
            model.loadVector[dofIndex(i, d)] = model.load[d][i];
    }
    return std::nullopt;
}

std::optional<InputError> DeckReader::ReadElements(const TrussModel& model,
                                                   std::vector<ElementLine>& elements) {
    elements.clear();
    std::vector<int> lineOfNumber(static_cast<std::size_t>(model.elementCount) + 1, 0);
    for (int j = 1; j <= model.elementCount; ++j) {
        const bool missing = lines_.AtEnd();
        const std::string_view trimmed = Trim(lines_.Next());
        const int lineNumber = lines_.LineNumber();
        if (missing)
            return Refuse(lineNumber, "the deck ends before element line " + std::to_string(j) +
                                          " of " + std::to_string(model.elementCount) + ".");
        const int fields = CountFields(trimmed);
        if (fields < kElementFields)
            return Refuse(lineNumber,
                          "an element line needs five fields (number, node, node, E, A), but "
                          "this one has " +
                              std::to_string(fields) + ".");
        elements.push_back(ParseElementLine(trimmed));
        if (auto error = CheckElement(model, elements.back(), lineOfNumber))
            return error;
    }
    return std::nullopt;
}

std::optional<InputError> DeckReader::CheckElement(const TrussModel& model, const ElementLine& line,
                                                   std::vector<int>& lineOfNumber) const {
    const std::int32_t e = line.number;
    const std::string element = "element " + std::to_string(e);
    if (e < 1 || e > model.elementCount)
        return Refuse(line.lineNumber, "element number " + std::to_string(e) + " is outside 1.." +
                                           std::to_string(model.elementCount) + ".");
    if (lineOfNumber[e] != 0)
        return Refuse(line.lineNumber, element + " is given twice (also on line " +
                                           std::to_string(lineOfNumber[e]) + ").");
    lineOfNumber[e] = line.lineNumber;

    if (!IsNodeOf(model, line.firstNode) || !IsNodeOf(model, line.secondNode))
        return Refuse(line.lineNumber, element + " joins node " + NodeText(line.firstNode) +
                                           " to node " + NodeText(line.secondNode) +
                                           ", but the deck has " + std::to_string(model.nodeCount) +
                                           (model.nodeCount == 1 ? " node." : " nodes."));
    const int a = static_cast<int>(line.firstNode);
    const int b = static_cast<int>(line.secondNode);
    if (a == b)
        return Refuse(line.lineNumber, element + " joins node " + std::to_string(a) + " to itself.");
    if (ElementLength(model, a, b) == 0.0)
        return Refuse(line.lineNumber, element + " has zero length: nodes " + std::to_string(a) +
                                           " and " + std::to_string(b) +
                                           " are at the same place.");
    return std::nullopt;
}

double ElementLength(const TrussModel& model, int a, int b) {
    const double dx = model.coord[1][b] - model.coord[1][a];
    const double dy = model.coord[2][b] - model.coord[2][a];
    const double dz = model.coord[3][b] - model.coord[3][a];
    // Each square is the correctly rounded product, as pow(d, 2.0) gives it.
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// The results are brought back to the deck's units with one factor, the last element's
// scale. A modulus stored with another scale (written with another exponent, or without
// one) is expressed in that one, so that every bar is assembled in the same units; a deck
// whose moduli share their scale keeps every bit as read.
void ExpressModuliInTheRunsScale(TrussModel& model, const std::vector<ElementLine>& elements) {
    if (elements.empty())
        return;
    const double scale = model.modulusScale[elements.back().number];
    for (const ElementLine& line : elements) {
        const int e = line.number;
        if (model.modulusScale[e] == scale)
            continue;
        model.youngsModulus[e] = model.youngsModulus[e] * model.modulusScale[e] / scale;
        model.modulusScale[e] = scale;
    }
}

double StoreElement(TrussModel& model, const ElementLine& line) {
    const int e = line.number;
    model.node1[e] = static_cast<std::int8_t>(line.firstNode);
    model.node2[e] = static_cast<std::int8_t>(line.secondNode);
    StoreModulus(model, e, line.modulusText);
    model.area[e] = ReadScaledReal(line.areaText);
    if (model.node1[e] > model.node2[e])
        std::swap(model.node1[e], model.node2[e]);

    const int a = model.node1[e];
    const int b = model.node2[e];
    const double length = ElementLength(model, a, b);
    model.cosX[e] = (model.coord[1][b] - model.coord[1][a]) / length;
    model.cosY[e] = (model.coord[2][b] - model.coord[2][a]) / length;
    model.cosZ[e] = (model.coord[3][b] - model.coord[3][a]) / length;
    return length;
}

} // namespace trelvo
