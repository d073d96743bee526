#pragma once

#include "viewer/vec3.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trelvo::viewer {

// One number of a results report: its value and the report's own text for it. A value
// the report could not print ("Large Number - OverFlow") has no number at all.
struct ReportValue {
    double value = 0.0;
    bool overflow = false;
    std::string text; // as printed, without the blank of a positive sign slot

    bool IsNumber() const { return !overflow; }
};

struct ViewerNode {
    Vec3 position;
    std::array<bool, 3> fixed{}; // X, Y, Z
    Vec3 load;
    std::array<ReportValue, 3> displacement{}; // X, Y, Z
    // The support's reaction at each fixed direction, as the report would print it; none
    // at a free direction.
    std::array<std::optional<ReportValue>, 3> reaction{};

    // A node the report gives no finite displacement for: it has no deformed position.
    bool HasOverflow() const {
        return displacement[0].overflow || displacement[1].overflow || displacement[2].overflow;
    }
    Vec3 Displacement() const {
        return {displacement[0].value, displacement[1].value, displacement[2].value};
    }
};

struct ViewerElement {
    int node1 = 0; // 1-based, the lower node number
    int node2 = 0;
    ReportValue stress;
    ReportValue force;
};

// A message for the user, with a title, as the desktop program would show it.
struct ViewerMessage {
    std::string title;
    std::string text; // lines separated by CR LF
};

// How well the viewer's own run balances the forces at the free directions.
struct EquilibriumCheck {
    double residual = 0.0; // the largest out-of-balance force
    double relative = 0.0; // the residual over the largest load or element force
};

enum class ResultsSource {
    Report,   // the newest report written after the deck in the file
    Analysis, // the file holds a deck only: analysed in the viewer
};

// Everything the viewer shows of one document. Nodes and elements are stored 0-based:
// nodes[0] is node 1.
struct ViewerModel {
    std::string title; // the deck's first line
    std::vector<ViewerNode> nodes;
    std::vector<ViewerElement> elements;
    ResultsSource source = ResultsSource::Report;
    int reportCount = 0;                  // reports found after the deck in the file
    std::optional<ViewerMessage> warning; // the engine's word on an unstable truss
    std::optional<EquilibriumCheck> equilibrium;
    int misreadFieldCount = 0; // fields of the deck read only in part

    const ViewerNode& Node(int number) const { return nodes[static_cast<std::size_t>(number - 1)]; }
    bool AnyOverflow() const;
    std::vector<int> AffectedNodes() const; // 1-based numbers of nodes with an overflow
    // The largest reaction magnitude that is a number; 0 when there is none.
    double LargestReaction() const;
};

// What reading a document gives: a model, or the reason there is none.
struct LoadResult {
    std::optional<ViewerModel> model;
    std::optional<ViewerMessage> error;
};

} // namespace trelvo::viewer
