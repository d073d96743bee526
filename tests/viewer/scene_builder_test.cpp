// The picture as drawing primitives: where the deformed bars go, their colours and line
// styles, supports, loads, numbers, overflow marks and the legend.
#include "viewer/scene_builder.h"
#include "tests/viewer/front_camera.h"

#include "tests/viewer/scene_test_support.h"
#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trelvo::viewer {
namespace {

using namespace testing;

constexpr double kWidth = 800.0;
constexpr double kHeight = 450.0;

Scene Build(const ViewerModel& model, ViewOptions options = {}) {
    if (options.magnification == 1.0)
        options.magnification = 1000.0;
    return BuildScene(model, FrontCamera(), options, kWidth, kHeight);
}

const LinePrim* Bar(const std::vector<LinePrim>& bars, int number) {
    for (const LinePrim& bar : bars)
        if (bar.item == number)
            return &bar;
    return nullptr;
}

void ExpectPoint(Point2 actual, Point2 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

void ExpectAllFinite(const Scene& scene) {
    auto finite = [](Point2 p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    for (const Primitive& item : scene.items) {
        if (const auto* line = std::get_if<LinePrim>(&item.shape)) {
            EXPECT_TRUE(finite(line->from) && finite(line->to));
        }
        if (const auto* circle = std::get_if<CirclePrim>(&item.shape)) {
            EXPECT_TRUE(finite(circle->centre));
        }
        if (const auto* polygon = std::get_if<PolygonPrim>(&item.shape)) {
            for (Point2 p : polygon->points)
                EXPECT_TRUE(finite(p));
        }
    }
}

// With a magnification of 1000, node 2 moves from (8, 6) to (8.3247, 6.03937): on the
// screen from (380, 80) to (392.988, 78.4252).
TEST(SceneDeformedShape, PutsTheBarsWhereTheDisplacementsMoveTheirNodes) {
    const Scene scene = Build(HelpExampleModel());
    const auto bars = Shapes<LinePrim>(scene, Role::DeformedBar);
    ASSERT_EQ(bars.size(), 2u);
    ExpectPoint(Bar(bars, 1)->from, {60.0, 320.0});
    ExpectPoint(Bar(bars, 1)->to, {392.988, 78.4252});
    ExpectPoint(Bar(bars, 2)->from, {392.988, 78.4252});
    ExpectPoint(Bar(bars, 2)->to, {540.0, 320.0});
}

TEST(SceneDeformedShape, FollowsTheMagnification) {
    ViewOptions options;
    options.magnification = 2000.0;
    const auto bars = Shapes<LinePrim>(Build(HelpExampleModel(), options), Role::DeformedBar);
    ExpectPoint(Bar(bars, 1)->to, {405.976, 76.8504});
}

TEST(SceneDeformedShape, ColoursBarsByStressAndDashesCompression) {
    const auto bars = Shapes<LinePrim>(Build(HelpExampleModel()), Role::DeformedBar);
    EXPECT_EQ(Bar(bars, 1)->colour, (Rgb{178, 24, 43})); // the largest tension
    EXPECT_EQ(Bar(bars, 1)->stroke, Stroke::Solid);
    EXPECT_EQ(Bar(bars, 2)->colour, (Rgb{76, 137, 190})); // -613.1 of 850.3
    EXPECT_EQ(Bar(bars, 2)->stroke, Stroke::Dashed);
}

TEST(SceneDeformedShape, KeepsTheUndeformedShapeUnderneathOnRequest) {
    const Scene scene = Build(HelpExampleModel());
    const auto bars = Shapes<LinePrim>(scene, Role::UndeformedBar);
    ASSERT_EQ(bars.size(), 2u);
    ExpectPoint(Bar(bars, 1)->to, {380.0, 80.0});
    EXPECT_EQ(Bar(bars, 1)->colour, palette::kUndeformed);
    ViewOptions options;
    options.showUndeformed = false;
    EXPECT_TRUE(Shapes<LinePrim>(Build(HelpExampleModel(), options), Role::UndeformedBar).empty());
}

TEST(SceneDeformedShape, RecordsWhereNodesAndBarsCanBePointedAt) {
    const Scene scene = Build(HelpExampleModel());
    ASSERT_EQ(scene.hits.nodes.size(), 3u);
    ExpectPoint(scene.hits.nodes[1], {392.988, 78.4252});
    ASSERT_EQ(scene.hits.bars.size(), 2u);
    ExpectPoint(scene.hits.bars[1].second, {540.0, 320.0});
}

// In the X-Y view the X and Y fixities show; Z points at the viewer and does not.
TEST(SceneSymbols, DrawsASupportOnEveryFixedDirectionInTheView) {
    const Scene scene = Build(HelpExampleModel());
    const auto supports = Shapes<PolygonPrim>(scene, Role::Support);
    ASSERT_EQ(supports.size(), 4u);
    int touchingNode1 = 0, touchingNode3 = 0;
    for (const PolygonPrim& triangle : supports) {
        touchingNode1 += triangle.points[0] == Point2{60.0, 320.0};
        touchingNode3 += triangle.points[0] == Point2{540.0, 320.0};
    }
    EXPECT_EQ(touchingNode1, 2);
    EXPECT_EQ(touchingNode3, 2);
    ViewOptions options;
    options.showSupports = false;
    EXPECT_TRUE(Shapes<PolygonPrim>(Build(HelpExampleModel(), options), Role::Support).empty());
}

// An arrow is its shaft followed by its head; its length runs from the shaft's tail to
// the tip of the head.
double ArrowLength(const Scene& scene, int node) {
    for (std::size_t i = 0; i + 1 < scene.items.size(); ++i) {
        const auto* shaft = std::get_if<LinePrim>(&scene.items[i].shape);
        const auto* head = std::get_if<PolygonPrim>(&scene.items[i + 1].shape);
        if (scene.items[i].role == Role::Load && shaft && head && shaft->item == node)
            return std::hypot(head->points[0].x - shaft->from.x, head->points[0].y - shaft->from.y);
    }
    return 0.0;
}

TEST(SceneSymbols, ScalesLoadArrowsToTheLargestLoad) {
    ViewerModel model = HelpExampleModel();
    model.nodes[0].load = {0.0, -25.0, 0.0};
    const Scene scene = Build(model);
    const auto heads = Shapes<PolygonPrim>(scene, Role::Load);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_NEAR(ArrowLength(scene, 2), 60.0, 1e-9);
    EXPECT_NEAR(ArrowLength(scene, 1), 30.0, 1e-9);
    // The head points along the load and touches the node: node 2 is pushed along +X.
    bool foundNode2Head = false;
    for (const PolygonPrim& head : heads)
        if (std::abs(head.points[0].y - 80.0) < 1e-9) {
            foundNode2Head = true;
            EXPECT_NEAR(head.points[0].x, 376.0, 1e-9);
        }
    EXPECT_TRUE(foundNode2Head);
}

TEST(SceneNumbers, ShowsNodeAndElementNumbersOnRequest) {
    const Scene numbered = Build(HelpExampleModel());
    EXPECT_EQ(Texts(numbered, Role::NodeNumber), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(Texts(numbered, Role::ElementNumber).empty());
    ViewOptions options;
    options.showNodeNumbers = false;
    options.showElementNumbers = true;
    const Scene swapped = Build(HelpExampleModel(), options);
    EXPECT_TRUE(Texts(swapped, Role::NodeNumber).empty());
    EXPECT_EQ(Texts(swapped, Role::ElementNumber), (std::vector<std::string>{"1", "2"}));
}

// A 50-node chain with 10 pixels between nodes: numbers that would overlap one already
// drawn are left out, so those drawn never touch; the first is kept.
TEST(SceneNumbers, LeavesOutLabelsThatWouldOverlapOthers) {
    ViewerModel chain;
    for (int node = 0; node < 50; ++node)
        chain.nodes.push_back(MakeNode({0.25 * node, 0.0, 0.0}, {false, true, true}));
    for (int bar = 1; bar < 50; ++bar)
        chain.elements.push_back({bar, bar + 1, Zero(), Zero()});
    ViewOptions options;
    options.showElementNumbers = true;
    const Scene scene = Build(chain, options);

    const auto nodeLabels = Shapes<TextPrim>(scene, Role::NodeNumber);
    const auto elementBoxes = Shapes<RectPrim>(scene, Role::ElementNumber);
    ASSERT_FALSE(elementBoxes.empty());
    EXPECT_EQ(Texts(scene, Role::ElementNumber).front(), "1");
    EXPECT_LT(elementBoxes.size(), 49u);
    for (std::size_t i = 1; i < elementBoxes.size(); ++i)
        EXPECT_GE(elementBoxes[i].rect.left, elementBoxes[i - 1].rect.Right());
    ASSERT_FALSE(nodeLabels.empty());
    EXPECT_LT(nodeLabels.size(), 50u);
    for (std::size_t i = 1; i < nodeLabels.size(); ++i) // each at least two digits' width on
        EXPECT_GE(nodeLabels[i].at.x - nodeLabels[i - 1].at.x, 7.0 * nodeLabels[i - 1].text.size());
}

TEST(SceneOverflow, MarksAffectedNodesWhereTheyStand) {
    const Scene scene = Build(MechanismModel());
    const auto rings = Shapes<CirclePrim>(scene, Role::AffectedNode);
    ASSERT_FALSE(rings.empty());
    // Node 2 at (1, 0) stands at (300 + 40 (1 - 6), 200 + 40 * 3).
    for (const CirclePrim& ring : rings)
        ExpectPoint(ring.centre, {100.0, 320.0});
    EXPECT_EQ(rings.front().item, 2);
}

TEST(SceneOverflow, DrawsNoDeformedBarToANodeWithoutPosition) {
    const Scene scene = Build(MechanismModel());
    EXPECT_TRUE(Shapes<LinePrim>(scene, Role::DeformedBar).empty());
    const auto unknown = Shapes<LinePrim>(scene, Role::OverflowBar);
    ASSERT_EQ(unknown.size(), 1u);
    ExpectPoint(unknown[0].from, {60.0, 320.0});
    ExpectPoint(unknown[0].to, {100.0, 320.0});
    EXPECT_EQ(unknown[0].stroke, Stroke::Dotted);
    ExpectAllFinite(scene);
}

TEST(SceneOverflow, ShowsTheOverflowTextAndTheWarning) {
    const Scene scene = Build(MechanismModel());
    EXPECT_TRUE(HasText(scene, Role::Legend, "Large Number - OverFlow"));
    EXPECT_TRUE(HasText(scene, Role::Legend, "affected: node 2"));
    EXPECT_TRUE(HasText(scene, Role::Caption, "First affected: node 2, direction Y."));
}

TEST(SceneOverflow, DrawsABarWithAnOverflowStressDottedAtItsDeformedPlace) {
    ViewerModel model = HelpExampleModel();
    model.elements[0].stress = Overflow();
    const Scene scene = Build(model);
    const auto unknown = Shapes<LinePrim>(scene, Role::OverflowBar);
    ASSERT_EQ(unknown.size(), 1u);
    ExpectPoint(unknown[0].to, {392.988, 78.4252});
    // The scale is set by the stresses that are numbers.
    EXPECT_EQ(Shapes<LinePrim>(scene, Role::DeformedBar)[0].colour, (Rgb{33, 102, 172}));
}

TEST(SceneGeometry, StaysFiniteAndNearTheViewUnderAnyMagnification) {
    for (double magnification : {1e30, 1e300, -1e300}) {
        ViewOptions options;
        options.magnification = magnification;
        const Scene scene = Build(HelpExampleModel(), options);
        ExpectAllFinite(scene);
        for (const LinePrim& bar : Shapes<LinePrim>(scene, Role::DeformedBar))
            EXPECT_LT(std::abs(bar.to.x) + std::abs(bar.to.y), 1e5);
    }
}

TEST(SceneLegend, LabelsTheScaleInTheReportsFormat) {
    const Scene scene = Build(HelpExampleModel());
    for (const char* label : {"8.503E+02", "4.251E+02", "0.000E+00", "-4.251E+02", "-8.503E+02"})
        EXPECT_TRUE(HasText(scene, Role::Legend, label)) << label;
    ASSERT_TRUE(scene.legend.has_value());
    EXPECT_DOUBLE_EQ(scene.legend->highValue, 850.3);
    EXPECT_DOUBLE_EQ(scene.legend->lowValue, -850.3);
    EXPECT_GE(scene.legend->ramp.left, kWidth - kLegendWidth);
    EXPECT_TRUE(HasText(scene, Role::Legend, "deformed \xD7 1000"));
}

TEST(SceneLegend, ShowsTheLineStylesOfTensionAndCompression) {
    const Scene scene = Build(HelpExampleModel());
    bool solid = false, dashed = false;
    for (const LinePrim& sample : Shapes<LinePrim>(scene, Role::Legend)) {
        solid |= sample.colour == Rgb{178, 24, 43} && sample.stroke == Stroke::Solid;
        dashed |= sample.colour == Rgb{33, 102, 172} && sample.stroke == Stroke::Dashed;
    }
    EXPECT_TRUE(solid);
    EXPECT_TRUE(dashed);
}

TEST(SceneCaption, SaysWhereTheResultsComeFrom) {
    ViewerModel model = HelpExampleModel();
    EXPECT_TRUE(HasText(Build(model), Role::Caption, "EXAMPLE 2D TRUSS"));
    model.reportCount = 2;
    EXPECT_TRUE(
        HasText(Build(model), Role::Caption, "Results: the newest of 2 reports in the file"));
    model.source = ResultsSource::Analysis;
    EXPECT_TRUE(HasText(Build(model), Role::Caption,
                        "Results: analysed in the viewer (the file holds no report)"));
}

TEST(SceneCaption, SaysHowManyFieldsOfTheDeckWereReadOnlyInPart) {
    const struct {
        int count;
        const char* text;
    } rows[] = {{3, "3 fields read only in part"}, {1, "1 field read only in part"}};
    for (const auto& row : rows) {
        ViewerModel model = HelpExampleModel();
        model.misreadFieldCount = row.count;
        EXPECT_TRUE(HasText(Build(model), Role::Caption, row.text)) << row.text;
    }
    for (const std::string& line : Texts(Build(HelpExampleModel()), Role::Caption))
        EXPECT_EQ(line.find("read only in part"), std::string::npos) << line;
}

TEST(SceneHighlight, HighlightsTheBarOrNodeUnderThePointer) {
    ViewOptions options;
    options.hoverElement = 2;
    const auto halo = Shapes<LinePrim>(Build(HelpExampleModel(), options), Role::Highlight);
    ASSERT_EQ(halo.size(), 1u);
    EXPECT_EQ(halo[0].item, 2);
    options.hoverElement.reset();
    options.hoverNode = 3;
    const auto ring = Shapes<CirclePrim>(Build(HelpExampleModel(), options), Role::Highlight);
    ASSERT_EQ(ring.size(), 1u);
    ExpectPoint(ring[0].centre, {540.0, 320.0});
}

} // namespace
} // namespace trelvo::viewer
