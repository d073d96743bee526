// A truss view's state: the opening view, what drags, keys and the wheel do to the camera,
// and what the pointer is on.
#include "viewer/view_state.h"

#include "tests/viewer/front_camera.h"
#include "viewer/hover_text.h"
#include "tests/viewer/scene_test_support.h"
#include "viewer/view_fit.h"
#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace trelvo::viewer {
namespace {

using namespace testing;

constexpr double kWidth = 800.0;
constexpr double kHeight = 450.0;
constexpr double kMagnification = 500.0;

ViewState OpenedHelpExample() {
    ViewState state;
    state.SetModel(HelpExampleModel(), kMagnification);
    state.ShownScene(kWidth, kHeight);
    return state;
}

// Scale and origin to within rounding: the compiler may work out a power that a C library
// computes at run time, some (MinGW's) less exactly.
constexpr double kTolerance = 1e-9;

void ExpectSameCamera(const Camera& actual, const Camera& expected) {
    EXPECT_EQ(actual.GetOrientation().right, expected.GetOrientation().right);
    EXPECT_EQ(actual.GetOrientation().up, expected.GetOrientation().up);
    EXPECT_EQ(actual.Target(), expected.Target());
    EXPECT_NEAR(actual.Scale(), expected.Scale(), kTolerance);
    EXPECT_NEAR(actual.Origin().x, expected.Origin().x, kTolerance);
    EXPECT_NEAR(actual.Origin().y, expected.Origin().y, kTolerance);
}

Point2 Midpoint(const std::pair<Point2, Point2>& bar) {
    return {(bar.first.x + bar.second.x) / 2, (bar.first.y + bar.second.y) / 2};
}

TEST(ViewState, OpensFittedToTheSizeOfTheFirstSceneShown) {
    Camera fitted;
    ResetCamera(fitted, HelpExampleModel(), kMagnification, kWidth, kHeight);
    ExpectSameCamera(OpenedHelpExample().GetCamera(), fitted);
}

TEST(ViewState, MovingTheCameraByHandCancelsAPendingReset) {
    const struct {
        const char* action;
        std::function<void(ViewState&)> apply;
        bool refitted;
    } rows[] = {
        {"nothing", [](ViewState&) {}, true},
        {"set camera", [](ViewState& s) { s.SetCamera(FrontCamera()); }, false},
        {"rotate", [](ViewState& s) { s.Rotate(5, 0); }, false},
        {"turn", [](ViewState& s) { s.Turn(Direction::Up); }, false},
        {"zoom", [](ViewState& s) { s.ZoomAt(120, {10, 10}); }, false},
        {"drag", [](ViewState& s) { s.BeginDrag(Drag::Pan, {0, 0}); s.DragTo({4, 4}); }, false},
        {"hover", [](ViewState& s) { s.HoverAt({0, 0}); }, true},
    };
    Camera fitted;
    ResetCamera(fitted, HelpExampleModel(), kMagnification, kWidth, kHeight);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        ViewState state = OpenedHelpExample();
        state.SetCamera(FrontCamera());
        state.ResetView();
        row.apply(state);
        const Camera before = state.GetCamera();
        state.ShownScene(kWidth, kHeight);
        ExpectSameCamera(state.GetCamera(), row.refitted ? fitted : before);
    }
}

TEST(ViewState, DragsRotateOrPanByThePointersSteps) {
    const struct {
        Drag drag;
        bool moves;
        void (Camera::*expected)(double, double);
    } rows[] = {
        {Drag::Rotate, true, &Camera::Rotate},
        {Drag::Pan, true, &Camera::Pan},
        {Drag::None, false, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.drag));
        ViewState state;
        state.SetCamera(FrontCamera());
        state.BeginDrag(row.drag, {100, 100});
        EXPECT_EQ(state.DragTo({110, 95}), row.moves);
        EXPECT_EQ(state.DragTo({113, 90}), row.moves);
        Camera expected = FrontCamera();
        if (row.expected) {
            (expected.*row.expected)(10, -5);
            (expected.*row.expected)(3, -5);
        }
        ExpectSameCamera(state.GetCamera(), expected);
        state.EndDrag();
        EXPECT_FALSE(state.DragTo({150, 150}));
    }
}

TEST(ViewState, ArrowKeysTurnAsATwelvePixelDrag) {
    const struct {
        Direction direction;
        double dx, dy;
    } rows[] = {
        {Direction::Left, -12, 0},
        {Direction::Right, 12, 0},
        {Direction::Up, 0, -12},
        {Direction::Down, 0, 12},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.direction));
        ViewState state;
        state.SetCamera(FrontCamera());
        state.Turn(row.direction);
        Camera expected = FrontCamera();
        expected.Rotate(row.dx, row.dy);
        ExpectSameCamera(state.GetCamera(), expected);
    }
}

TEST(ViewState, TheWheelZoomsAboutThePointerByAFactorPerUnit) {
    const struct {
        double units;
        double factor;
    } rows[] = {
        {120, std::pow(1.0025, 120)},
        {-240, std::pow(1.0025, -240)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.units);
        ViewState state;
        state.SetCamera(FrontCamera());
        state.ZoomAt(row.units, {140, 280});
        Camera expected = FrontCamera();
        expected.ZoomAt(row.factor, {140, 280});
        ExpectSameCamera(state.GetCamera(), expected);
    }
}

TEST(ViewState, ResizingKeepsTheModelWhereItWasRelativeToThePlotsCentre) {
    ViewState state;
    state.SetCamera(FrontCamera());
    state.Resize(kWidth, kHeight, kWidth + 100, kHeight - 40);
    const Point2 before = PlotArea(kWidth, kHeight).Centre();
    const Point2 after = PlotArea(kWidth + 100, kHeight - 40).Centre();
    Camera expected = FrontCamera();
    expected.Pan(after.x - before.x, after.y - before.y);
    ExpectSameCamera(state.GetCamera(), expected);
}

TEST(ViewState, ReportsWhatThePointerIsOnOnlyWhenThatChanges) {
    ViewState state = OpenedHelpExample();
    const SceneHits hits = state.ShownScene(kWidth, kHeight).hits;
    const ViewerModel model = HelpExampleModel();
    const struct {
        const char* place;
        Point2 at;
        std::optional<Hover> expected;
    } rows[] = {
        {"node 2", hits.nodes[1], Hover{2, std::nullopt, DescribeNode(model, 2)}},
        {"node 2 again", hits.nodes[1], std::nullopt},
        {"bar 1", Midpoint(hits.bars[0]), Hover{std::nullopt, 1, DescribeElement(model, 1)}},
        {"nothing", {1, 1}, Hover{}},
        {"nothing again", {2, 1}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.place);
        const std::optional<Hover> hover = state.HoverAt(row.at);
        ASSERT_EQ(hover.has_value(), row.expected.has_value());
        if (!hover)
            continue;
        EXPECT_EQ(hover->node, row.expected->node);
        EXPECT_EQ(hover->element, row.expected->element);
        EXPECT_EQ(hover->text, row.expected->text);
        EXPECT_EQ(state.Options().hoverNode, row.expected->node);
        EXPECT_EQ(state.Options().hoverElement, row.expected->element);
    }
}

TEST(ViewState, HighlightsWhatThePointerIsOnOnlyInTheSceneShown) {
    ViewState state = OpenedHelpExample();
    state.HoverAt(state.ShownScene(kWidth, kHeight).hits.nodes[1]);
    EXPECT_EQ(Shapes<CirclePrim>(state.ShownScene(kWidth, kHeight), Role::Highlight).size(), 1u);
    EXPECT_TRUE(Shapes<CirclePrim>(state.ExportScene(kWidth, kHeight), Role::Highlight).empty());
    EXPECT_TRUE(state.ClearHover().has_value());
    EXPECT_TRUE(Shapes<CirclePrim>(state.ShownScene(kWidth, kHeight), Role::Highlight).empty());
}

// Under High Contrast the screen's two colours take the place of the drawing's neutral
// ones, while the colours that mean something stay; a file or a page keeps the fixed ones.
TEST(ViewState, NeutralColoursReachOnlyTheSceneShown) {
    ViewState state = OpenedHelpExample();
    const NeutralColours contrast{Rgb{0, 0, 0}, Rgb{255, 255, 0}};
    state.SetNeutralColours(contrast);
    const Scene shown = state.ShownScene(kWidth, kHeight);
    const Scene exported = state.ExportScene(kWidth, kHeight);
    EXPECT_EQ(std::get<RectPrim>(shown.items.front().shape).fill, contrast.ground);
    EXPECT_EQ(std::get<RectPrim>(exported.items.front().shape).fill, palette::kBackground);
    for (Role role : {Role::Axes, Role::UndeformedBar})
        for (const LinePrim& line : Shapes<LinePrim>(shown, role))
            EXPECT_EQ(line.colour, contrast.ink);
    for (Role role : {Role::NodeNumber, Role::Caption})
        for (const TextPrim& text : Shapes<TextPrim>(shown, role))
            EXPECT_EQ(text.colour, contrast.ink) << text.text;
    const std::vector<LinePrim> bars = Shapes<LinePrim>(shown, Role::DeformedBar);
    const std::vector<LinePrim> fixedBars = Shapes<LinePrim>(exported, Role::DeformedBar);
    ASSERT_EQ(bars.size(), 2u);
    ASSERT_EQ(fixedBars.size(), 2u);
    for (std::size_t i = 0; i < bars.size(); ++i)
        EXPECT_EQ(bars[i].colour, fixedBars[i].colour);
}

TEST(ViewState, WithoutAModelThereIsNothingToShowOrPointAt) {
    ViewState state = OpenedHelpExample();
    state.ClearModel();
    EXPECT_EQ(state.Model(), nullptr);
    EXPECT_TRUE(state.ShownScene(kWidth, kHeight).items.empty());
    EXPECT_TRUE(state.ExportScene(kWidth, kHeight).items.empty());
    EXPECT_FALSE(state.HoverAt({400, 200}).has_value());
}

} // namespace
} // namespace trelvo::viewer
