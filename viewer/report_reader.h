#pragma once

#include "viewer/viewer_model.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace trelvo::viewer {

inline constexpr const char* kDisplacementHeading = "Node: Displacement (X,Y,Z)";
inline constexpr const char* kElementHeading = "Element: Stress, Internal Force";

struct ElementResult {
    ReportValue stress;
    ReportValue force;
};

// The displacement and element sections of one report.
struct ReportSections {
    std::vector<std::array<ReportValue, 3>> displacements; // per node, 0-based
    std::vector<ElementResult> elements;                   // per element, 0-based
};

// A report that begins where one should but breaks off or holds something else.
struct ReportDamage {
    int lineNumber = 0; // 1-based line of the document
    std::string problem;
};

struct ReportReading {
    std::optional<ReportSections> sections;
    std::optional<ReportDamage> damage;
};

// The document's lines, as the editor holds them. A report begins with a blank line and
// the displacement heading; the newest one sits directly after the deck.
bool ReportStartsAt(const std::vector<std::string>& lines, std::size_t first);

// How many reports begin at or after line `first` (0-based).
int CountReports(const std::vector<std::string>& lines, std::size_t first);

// Reads the report beginning at line `first` (0-based) of a model with the given counts.
ReportReading ReadReportAt(const std::vector<std::string>& lines, std::size_t first, int nodeCount,
                           int elementCount);

} // namespace trelvo::viewer
