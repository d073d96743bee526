#pragma once

// Viewer models built by hand, with the numbers their reports print.

#include "viewer/viewer_model.h"

#include "engine/number_format.h"

#include <string>

namespace trelvo::viewer::testing {

inline ReportValue Number(double value, const std::string& text) {
    return {value, false, text};
}
inline ReportValue Overflow() {
    return {0.0, true, kOverflowText};
}
inline ReportValue Zero() {
    return Number(0.0, "0.000E+00");
}

inline ViewerNode MakeNode(Vec3 position, std::array<bool, 3> fixed, Vec3 load = {}) {
    ViewerNode node;
    node.position = position;
    node.fixed = fixed;
    node.load = load;
    node.displacement = {Zero(), Zero(), Zero()};
    return node;
}

// The help page's example with its report: node 2 moves (3.247E-04, 3.937E-05, 0); bar 1
// carries 8.503E+02 (tension), bar 2 -6.131E+02 (compression). The supports balance the
// bar forces 125/3 along (0.8, 0.6) and -0.1 sqrt(52) 125/3 along (4, -6) / sqrt(52):
// node 1 takes (-100/3, -25), node 3 (-50/3, 25), and no Z direction carries anything.
inline ViewerModel HelpExampleModel() {
    ViewerModel model;
    model.title = "EXAMPLE 2D TRUSS";
    model.reportCount = 1;
    model.nodes.push_back(MakeNode({0.0, 0.0, 0.0}, {true, true, true}));
    model.nodes.push_back(MakeNode({8.0, 6.0, 0.0}, {false, false, true}, {50.0, 0.0, 0.0}));
    model.nodes.push_back(MakeNode({12.0, 0.0, 0.0}, {true, true, true}));
    model.nodes[1].displacement = {Number(3.247e-4, "3.247E-04"), Number(3.937e-5, "3.937E-05"),
                                   Zero()};
    model.nodes[0].reaction = {Number(-100.0 / 3.0, "-3.333E+01"), Number(-25.0, "-2.500E+01"),
                               Zero()};
    model.nodes[1].reaction = {std::nullopt, std::nullopt, Zero()};
    model.nodes[2].reaction = {Number(-50.0 / 3.0, "-1.666E+01"), Number(25.0, "2.500E+01"),
                               Zero()};
    model.equilibrium = EquilibriumCheck{0.0, 0.0};
    model.elements.push_back({1, 2, Number(850.3, "8.503E+02"), Number(41.66, "4.166E+01")});
    model.elements.push_back({2, 3, Number(-613.1, "-6.131E+02"), Number(-30.04, "-3.004E+01")});
    return model;
}

// A bar along X whose free end is pushed along Y: the report has no numbers for it.
inline ViewerModel MechanismModel() {
    ViewerModel model;
    model.title = "MECHANISM";
    model.nodes.push_back(MakeNode({0.0, 0.0, 0.0}, {true, true, true}));
    model.nodes.push_back(MakeNode({1.0, 0.0, 0.0}, {false, false, true}, {0.0, 500.0, 0.0}));
    model.nodes[1].displacement = {Overflow(), Overflow(), Zero()};
    model.elements.push_back({1, 2, Overflow(), Overflow()});
    model.warning =
        ViewerMessage{"Warning", "The truss is unstable.\r\nFirst affected: node 2, direction Y."};
    return model;
}

} // namespace trelvo::viewer::testing
