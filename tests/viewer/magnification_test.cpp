// The model's extent and dimension, and the magnification the view starts with.
#include "viewer/magnification.h"
#include "viewer/model_geometry.h"

#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

namespace trelvo::viewer {
namespace {

using namespace testing;

// The stepped bar chain along X: 1200 pulls node 4 at x = 450 through bars of
// EA/L = 2e5 * 300 / 100, 2e5 * 200 / 150 and 7e4 * 150 / 200, so it moves
// 1200 (100/6e7 + 150/4e7 + 200/1.05e7) = 0.029357.
ViewerModel BarChainModel() {
    ViewerModel model;
    for (double x : {0.0, 100.0, 250.0, 450.0})
        model.nodes.push_back(MakeNode({x, 0.0, 0.0}, {x == 0.0, true, true}));
    model.nodes[1].displacement[0] = Number(2.0e-3, "2.000E-03");
    model.nodes[2].displacement[0] = Number(6.5e-3, "6.500E-03");
    model.nodes[3].displacement[0] = Number(2.935e-2, "2.935E-02");
    for (int e = 1; e <= 3; ++e)
        model.elements.push_back({e, e + 1, Number(4.0, "4.000E+00"), Number(1200.0, "1.200E+03")});
    return model;
}

TEST(Magnification, DrawsTheLargestDisplacementAtATenthOfTheModel) {
    // |(3.247e-4, 3.937e-5)| = 3.2708e-4; a tenth of the 12 long model over it is 3668.8.
    EXPECT_DOUBLE_EQ(InitialMagnification(HelpExampleModel()), 3700.0);
    // 45 / 0.02935 = 1533.2
    EXPECT_DOUBLE_EQ(InitialMagnification(BarChainModel()), 1500.0);
}

TEST(Magnification, IsOneWhenNothingMoves) {
    ViewerModel model = HelpExampleModel();
    model.nodes[1].displacement = {Zero(), Zero(), Zero()};
    EXPECT_DOUBLE_EQ(InitialMagnification(model), 1.0);
}

TEST(Magnification, LeavesOverflowsOut) {
    ViewerModel model = HelpExampleModel();
    model.nodes[2].displacement = {Overflow(), Zero(), Zero()};
    EXPECT_DOUBLE_EQ(InitialMagnification(model), 3700.0);
    EXPECT_DOUBLE_EQ(InitialMagnification(MechanismModel()), 1.0);
}

TEST(Magnification, StaysFiniteForHugeAndTinyDisplacements) {
    ViewerModel model = HelpExampleModel();
    model.nodes[1].displacement = {Number(1e200, "1.000E+200"), Number(1e200, "1.000E+200"),
                                   Zero()};
    const double huge = InitialMagnification(model);
    EXPECT_TRUE(std::isfinite(huge));
    EXPECT_GT(huge, 0.0);
    model.nodes[1].displacement = {Number(1e-300, "1.000E-300"), Zero(), Zero()};
    const double tiny = InitialMagnification(model);
    EXPECT_TRUE(std::isfinite(tiny));
    EXPECT_GT(tiny, 0.0);
}

TEST(RoundToTwoDigits, KeepsTwoSignificantDigits) {
    EXPECT_DOUBLE_EQ(RoundToTwoDigits(3667.98), 3700.0);
    EXPECT_DOUBLE_EQ(RoundToTwoDigits(1533.2), 1500.0);
    EXPECT_DOUBLE_EQ(RoundToTwoDigits(95.2), 95.0);
    EXPECT_NEAR(RoundToTwoDigits(0.012345), 0.012, 1e-15);
}

TEST(ModelGeometry, DetectsTheDimensionFromTheCoordinates) {
    EXPECT_EQ(DetectDimension(BarChainModel()), ModelDimension::Line);
    EXPECT_EQ(DetectDimension(HelpExampleModel()), ModelDimension::Plane);
    ViewerModel space = HelpExampleModel();
    space.nodes[1].position.z = 3.0;
    EXPECT_EQ(DetectDimension(space), ModelDimension::Space);
}

TEST(ModelGeometry, SizesTheModelByItsLongestSide) {
    EXPECT_DOUBLE_EQ(ModelSize(HelpExampleModel()), 12.0);
    EXPECT_DOUBLE_EQ(ModelSize(BarChainModel()), 450.0);
    ViewerModel point;
    point.nodes.push_back(MakeNode({5.0, 5.0, 5.0}, {}));
    EXPECT_DOUBLE_EQ(ModelSize(point), 1.0);
}

TEST(ModelGeometry, MovesNodesByTheMagnifiedDisplacement) {
    const ViewerModel model = HelpExampleModel();
    const auto moved = DeformedPosition(model.Node(2), 1000.0);
    ASSERT_TRUE(moved.has_value());
    EXPECT_NEAR(moved->x, 8.3247, 1e-12);
    EXPECT_NEAR(moved->y, 6.03937, 1e-12);
    EXPECT_FALSE(DeformedPosition(MechanismModel().Node(2), 1000.0).has_value());
}

} // namespace
} // namespace trelvo::viewer
