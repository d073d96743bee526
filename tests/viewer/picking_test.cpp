// What lies under the pointer, and the status-bar line that describes it.
#include "viewer/hover_text.h"
#include "viewer/picking.h"

#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

namespace trelvo::viewer {
namespace {

using namespace testing;

SceneHits TwoBars() {
    SceneHits hits;
    hits.nodes = {{0, 0}, {100, 0}, {100, 100}};
    hits.bars = {{{0, 0}, {100, 0}}, {{100, 0}, {100, 100}}};
    return hits;
}

TEST(Picking, FindsTheNearestNodeWithinReach) {
    EXPECT_EQ(PickAt(TwoBars(), {97, 4}), (Pick{Pick::Kind::Node, 2}));
    EXPECT_EQ(PickAt(TwoBars(), {3, -3}), (Pick{Pick::Kind::Node, 1}));
}

TEST(Picking, FindsABarAwayFromItsNodes) {
    EXPECT_EQ(PickAt(TwoBars(), {50, 4}), (Pick{Pick::Kind::Element, 1}));
    EXPECT_EQ(PickAt(TwoBars(), {96, 50}), (Pick{Pick::Kind::Element, 2}));
}

TEST(Picking, FindsNothingFarFromTheTruss) {
    EXPECT_FALSE(PickAt(TwoBars(), {50, 40}).has_value());
    EXPECT_FALSE(PickAt(SceneHits{}, {0, 0}).has_value());
}

TEST(HoverText, DescribesANodeWithItsReportNumbers) {
    EXPECT_EQ(DescribeNode(HelpExampleModel(), 2),
              "Node 2   at (8, 6, 0)   fixed Z   load X 5.000E+01   reaction Z 0.000E+00   "
              "displacement X 3.247E-04 Y 3.937E-05 Z 0.000E+00");
    EXPECT_EQ(DescribeNode(HelpExampleModel(), 3),
              "Node 3   at (12, 0, 0)   fixed X Y Z   reaction X -1.666E+01 Y 2.500E+01 "
              "Z 0.000E+00   displacement X 0.000E+00 Y 0.000E+00 Z 0.000E+00");
}

TEST(HoverText, ListsTheReactionsAtTheFixedDirectionsOnly) {
    ViewerModel model = HelpExampleModel();
    model.nodes[0].fixed = {true, true, false};
    model.nodes[0].reaction[2].reset();
    const std::string node = DescribeNode(model, 1);
    EXPECT_NE(node.find("   reaction X -3.333E+01 Y -2.500E+01   "), std::string::npos) << node;
    model.nodes[1].fixed = {false, false, false};
    model.nodes[1].reaction[2].reset();
    EXPECT_EQ(DescribeNode(model, 2).find("reaction"), std::string::npos);
}

TEST(HoverText, DescribesAnElementWithItsStressAndForce) {
    EXPECT_EQ(DescribeElement(HelpExampleModel(), 1),
              "Element 1   nodes 1-2   stress 8.503E+02 (tension)   internal force 4.166E+01");
    EXPECT_EQ(
        DescribePick(HelpExampleModel(), Pick{Pick::Kind::Element, 2}),
        "Element 2   nodes 2-3   stress -6.131E+02 (compression)   internal force -3.004E+01");
}

TEST(HoverText, ShowsOverflowsAsSuch) {
    const std::string node = DescribeNode(MechanismModel(), 2);
    EXPECT_NE(
        node.find("displacement X Large Number - OverFlow Y Large Number - OverFlow Z 0.000E+00"),
        std::string::npos)
        << node;
    EXPECT_TRUE(node.ends_with("(no deformed position)"));
    EXPECT_EQ(DescribeElement(MechanismModel(), 1),
              "Element 1   nodes 1-2   stress Large Number - OverFlow   internal force "
              "Large Number - OverFlow");
}

TEST(HoverText, WritesCoordinatesShort) {
    EXPECT_EQ(ShortNumber(8.0), "8");
    EXPECT_EQ(ShortNumber(-2.5), "-2.5");
    EXPECT_EQ(ShortNumber(0.1), "0.1");
}

} // namespace
} // namespace trelvo::viewer
