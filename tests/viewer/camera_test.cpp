// The orthographic camera: projection, fitting, rotation, panning and zooming.
#include "viewer/camera.h"
#include "tests/viewer/front_camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace trelvo::viewer {
namespace {

using testing::FrontCamera;

constexpr double kTolerance = 1e-9;

void ExpectPoint(Point2 actual, Point2 expected, double tolerance = kTolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

void ExpectOrthonormal(const Orientation& o) {
    EXPECT_NEAR(Length(o.right), 1.0, 1e-12);
    EXPECT_NEAR(Length(o.up), 1.0, 1e-12);
    EXPECT_NEAR(Length(o.toward), 1.0, 1e-12);
    EXPECT_NEAR(Dot(o.right, o.up), 0.0, 1e-12);
    EXPECT_NEAR(Dot(o.right, o.toward), 0.0, 1e-12);
    const Vec3 cross = Cross(o.right, o.up);
    EXPECT_NEAR(Length(cross - o.toward), 0.0, 1e-12); // right-handed
}

TEST(CameraProjection, MapsTheXYPlaneWithYUpwards) {
    const Camera camera = FrontCamera();
    ExpectPoint(camera.Project({6.0, 3.0, 0.0}), {300.0, 200.0});
    ExpectPoint(camera.Project({8.0, 6.0, 0.0}), {380.0, 80.0});
    ExpectPoint(camera.Project({0.0, 0.0, 5.0}), {60.0, 320.0}); // depth does not show
    EXPECT_GT(camera.Depth({0.0, 0.0, 5.0}), camera.Depth({0.0, 0.0, -5.0}));
}

TEST(CameraProjection, ProjectsDirectionsWithoutTheOrigin) {
    const Camera camera = FrontCamera();
    ExpectPoint(camera.ProjectDirection({1.0, 0.0, 0.0}), {40.0, 0.0});
    ExpectPoint(camera.ProjectDirection({0.0, 1.0, 0.0}), {0.0, -40.0});
    ExpectPoint(camera.ProjectDirection({0.0, 0.0, 1.0}), {0.0, 0.0});
}

TEST(DefaultOrientation, LinesAndPlanesStartInTheXYPlane) {
    for (ModelDimension dimension : {ModelDimension::Line, ModelDimension::Plane}) {
        const Orientation o = DefaultOrientation(dimension);
        EXPECT_EQ(o.right, (Vec3{1.0, 0.0, 0.0}));
        EXPECT_EQ(o.up, (Vec3{0.0, 1.0, 0.0}));
    }
}

TEST(DefaultOrientation, SpaceTrussesStandWithZUpAndXToTheRight) {
    const Orientation o = DefaultOrientation(ModelDimension::Space);
    ExpectOrthonormal(o);
    Camera camera;
    camera.SetOrientation(o);
    const Point2 z = camera.ProjectDirection({0.0, 0.0, 1.0});
    EXPECT_NEAR(z.x, 0.0, 1e-12);
    EXPECT_LT(z.y, -0.5); // upwards on the screen
    EXPECT_GT(camera.ProjectDirection({1.0, 0.0, 0.0}).x, 0.5);
    // All three axes show: it is a view from a corner, not along an axis.
    EXPECT_GT(std::abs(camera.ProjectDirection({0.0, 1.0, 0.0}).x), 0.2);
}

// The help example's nodes in a 400 x 300 area with 20 pixels of margin: the 12 x 6
// extent scales by min(360/12, 260/6) = 30 and is centred on (200, 150).
TEST(CameraFit, CentresAndScalesThePointsIntoTheArea) {
    Camera camera;
    camera.Fit({{0.0, 0.0, 0.0}, {12.0, 0.0, 0.0}, {8.0, 6.0, 0.0}}, Rect{0.0, 0.0, 400.0, 300.0},
               20.0);
    EXPECT_NEAR(camera.Scale(), 30.0, kTolerance);
    ExpectPoint(camera.Project({0.0, 0.0, 0.0}), {20.0, 240.0});
    ExpectPoint(camera.Project({12.0, 0.0, 0.0}), {380.0, 240.0});
    ExpectPoint(camera.Project({8.0, 6.0, 0.0}), {260.0, 60.0});
}

TEST(CameraFit, FitsALineAlongItsLength) {
    Camera camera;
    camera.Fit({{0.0, 0.0, 0.0}, {450.0, 0.0, 0.0}}, Rect{100.0, 0.0, 500.0, 300.0}, 50.0);
    EXPECT_NEAR(camera.Scale(), 400.0 / 450.0, kTolerance);
    ExpectPoint(camera.Project({0.0, 0.0, 0.0}), {150.0, 150.0});
    ExpectPoint(camera.Project({450.0, 0.0, 0.0}), {550.0, 150.0});
}

TEST(CameraFit, KeepsASinglePointCentredWithAFiniteScale) {
    Camera camera;
    camera.Fit({{3.0, 4.0, 5.0}}, Rect{0.0, 0.0, 200.0, 100.0}, 10.0);
    EXPECT_TRUE(std::isfinite(camera.Scale()));
    EXPECT_GT(camera.Scale(), 0.0);
    ExpectPoint(camera.Project({3.0, 4.0, 5.0}), {100.0, 50.0});
}

TEST(CameraRotation, DraggingRightTurnsTheNearSideRight) {
    Camera camera = FrontCamera();
    camera.Rotate(10.0, 0.0);
    EXPECT_GT(camera.Project({6.0, 3.0, 1.0}).x, 300.0);
    EXPECT_LT(camera.Project({6.0, 3.0, -1.0}).x, 300.0);
    ExpectPoint(camera.Project({6.0, 3.0, 0.0}), {300.0, 200.0}); // about the target
}

TEST(CameraRotation, DraggingDownTurnsTheNearSideDown) {
    Camera camera = FrontCamera();
    camera.Rotate(0.0, 10.0);
    EXPECT_GT(camera.Project({6.0, 3.0, 1.0}).y, 200.0);
}

TEST(CameraRotation, AQuarterTurnBringsTheNearSideToTheRight) {
    Camera camera = FrontCamera();
    camera.Rotate(std::numbers::pi / 2.0 / kRadiansPerPixel, 0.0);
    ExpectPoint(camera.Project({6.0, 3.0, 1.0}), {340.0, 200.0}, 1e-6);
    ExpectPoint(camera.Project({7.0, 3.0, 0.0}), {300.0, 200.0}, 1e-6); // X now points away
}

TEST(CameraRotation, StaysOrthonormalAfterManyDrags) {
    Camera camera;
    camera.SetOrientation(DefaultOrientation(ModelDimension::Space));
    for (int i = 0; i < 5000; ++i)
        camera.Rotate(std::sin(i * 0.37) * 7.0, std::cos(i * 0.11) * 5.0);
    ExpectOrthonormal(camera.GetOrientation());
}

TEST(CameraPan, MovesEveryPointByTheDrag) {
    Camera camera = FrontCamera();
    camera.Pan(15.0, -7.0);
    ExpectPoint(camera.Project({8.0, 6.0, 0.0}), {395.0, 73.0});
}

TEST(CameraZoom, KeepsThePointUnderThePointer) {
    Camera camera = FrontCamera();
    const Point2 pointer = camera.Project({8.0, 6.0, 0.0});
    camera.ZoomAt(2.0, pointer);
    EXPECT_NEAR(camera.Scale(), 80.0, kTolerance);
    ExpectPoint(camera.Project({8.0, 6.0, 0.0}), pointer);
    // Other points move away from it by the factor.
    ExpectPoint(camera.Project({6.0, 3.0, 0.0}), {220.0, 320.0});
}

TEST(CameraZoom, StaysFiniteWhenZoomedWithoutEnd) {
    Camera camera = FrontCamera();
    for (int i = 0; i < 400; ++i)
        camera.ZoomAt(10.0, {10.0, 10.0});
    EXPECT_TRUE(std::isfinite(camera.Scale()));
    for (int i = 0; i < 800; ++i)
        camera.ZoomAt(0.1, {10.0, 10.0});
    EXPECT_GT(camera.Scale(), 0.0);
}

} // namespace
} // namespace trelvo::viewer
