// The supports' reactions in the picture: an arrow at each fixed direction that carries
// one, pointing the way it acts, with its value in the report's format.
#include "viewer/scene_builder.h"
#include "tests/viewer/front_camera.h"

#include "tests/viewer/scene_test_support.h"
#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trelvo::viewer {
namespace {

using namespace testing;

Scene Build(const ViewerModel& model, ViewOptions options = {}) {
    options.magnification = 1000.0;
    return BuildScene(model, FrontCamera(), options, 800.0, 450.0);
}

struct Arrow {
    int node;
    Point2 tail;
    Point2 tip;
};

// An arrow is its shaft followed by its head, whose first point is the tip.
std::vector<Arrow> ReactionArrows(const Scene& scene) {
    std::vector<Arrow> arrows;
    for (std::size_t i = 0; i + 1 < scene.items.size(); ++i) {
        const auto* shaft = std::get_if<LinePrim>(&scene.items[i].shape);
        const auto* head = std::get_if<PolygonPrim>(&scene.items[i + 1].shape);
        if (scene.items[i].role == Role::Reaction && shaft && head)
            arrows.push_back({shaft->item, shaft->from, head->points[0]});
    }
    return arrows;
}

// Node 1 stands at (60, 320), node 3 at (540, 320); +X points right, +Y up. An arrow stands
// 20 pixels beyond the node on its support's side (left for X, below for Y) and is 34
// pixels long for the largest reaction, 100/3, in proportion for the others: 25.5 for 25
// and 17 for 50/3. A negative reaction points away from the node, a positive one at it.
TEST(SceneReactions, DrawsAnArrowAtEachFixedDirectionThatCarriesAReaction) {
    const struct {
        int node;
        Point2 tail;
        Point2 tip;
    } expected[] = {
        {1, {40.0, 320.0}, {6.0, 320.0}},    // X -100/3: to the left
        {1, {60.0, 340.0}, {60.0, 365.5}},   // Y -25: down
        {3, {520.0, 320.0}, {503.0, 320.0}}, // X -50/3: to the left
        {3, {540.0, 365.5}, {540.0, 340.0}}, // Y +25: up
    };
    const std::vector<Arrow> arrows = ReactionArrows(Build(HelpExampleModel()));
    ASSERT_EQ(arrows.size(), std::size(expected)); // none for the Z directions, which carry 0
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(arrows[i].node, expected[i].node);
        EXPECT_NEAR(arrows[i].tail.x, expected[i].tail.x, 1e-9);
        EXPECT_NEAR(arrows[i].tail.y, expected[i].tail.y, 1e-9);
        EXPECT_NEAR(arrows[i].tip.x, expected[i].tip.x, 1e-9);
        EXPECT_NEAR(arrows[i].tip.y, expected[i].tip.y, 1e-9);
    }
}

TEST(SceneReactions, DrawsThemInAColourOfTheirOwn) {
    const Scene scene = Build(HelpExampleModel());
    const auto reactions = Shapes<PolygonPrim>(scene, Role::Reaction);
    const auto loads = Shapes<PolygonPrim>(scene, Role::Load);
    const auto supports = Shapes<PolygonPrim>(scene, Role::Support);
    ASSERT_FALSE(reactions.empty());
    ASSERT_FALSE(loads.empty());
    ASSERT_FALSE(supports.empty());
    for (const PolygonPrim& head : reactions) {
        EXPECT_EQ(head.fill, palette::kReaction);
        EXPECT_NE(head.fill, loads.front().fill);
        EXPECT_NE(head.fill, supports.front().fill);
    }
}

// Below a billionth of the largest reaction, 100/3, a value is rounding noise: 2e-8 is
// 6e-10 of it, 5e-8 is 1.5e-9. A value the report cannot print has no arrow either.
TEST(SceneReactions, LeavesOutReactionsThatAreZeroOrNoNumber) {
    const struct {
        ReportValue nodeThreeX;
        std::size_t arrows;
    } rows[] = {{Zero(), 3},           {Number(1e-12, ""), 3}, {Number(2e-8, ""), 3},
                {Number(-2e-8, ""), 3}, {Number(5e-8, ""), 4},  {Number(-5e-8, ""), 4},
                {Overflow(), 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nodeThreeX.value);
        ViewerModel model = HelpExampleModel();
        model.nodes[2].reaction[0] = row.nodeThreeX;
        EXPECT_EQ(ReactionArrows(Build(model)).size(), row.arrows);
    }
}

TEST(SceneReactions, DrawsNoneWhenTurnedOff) {
    ViewOptions options;
    options.showReactions = false;
    const Scene scene = Build(HelpExampleModel(), options);
    EXPECT_TRUE(std::none_of(scene.items.begin(), scene.items.end(),
                             [](const Primitive& item) { return item.role == Role::Reaction; }));
}

TEST(SceneReactions, LabelsEachArrowWithItsValueInTheReportsFormat) {
    auto labels = Texts(Build(HelpExampleModel()), Role::Reaction);
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels,
              (std::vector<std::string>{"-1.666E+01", "-2.500E+01", "-3.333E+01", "2.500E+01"}));
}

// A label's box as the scene places it: from its start, 7 pixels a character, 13 high.
Rect LabelBox(const TextPrim& text) {
    return {text.at.x, text.at.y - 11.0, 7.0 * static_cast<double>(text.text.size()), 13.0};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

// Ten supports 10 pixels apart, each carrying 10 along Y: the values, 63 pixels wide, do
// not fit beside each other. Those that would overlap a label already drawn, a node number
// or another value, are left out; the first is kept.
TEST(SceneReactions, LeavesOutValuesThatWouldOverlapOtherLabels) {
    ViewerModel row;
    for (int node = 0; node < 10; ++node) {
        row.nodes.push_back(MakeNode({0.25 * node, 0.0, 0.0}, {false, true, true}));
        row.nodes.back().reaction[1] = Number(10.0, "1.000E+01");
    }
    const Scene scene = Build(row);
    ASSERT_EQ(ReactionArrows(scene).size(), 10u);
    const auto values = Shapes<TextPrim>(scene, Role::Reaction);
    ASSERT_FALSE(values.empty());
    EXPECT_LT(values.size(), 10u);
    std::vector<Rect> drawn;
    for (const auto& role : {Role::NodeNumber, Role::Reaction})
        for (const TextPrim& text : Shapes<TextPrim>(scene, role))
            drawn.push_back(LabelBox(text));
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j)
            EXPECT_FALSE(Overlap(drawn[i], drawn[j])) << i << " " << j;
    // The first support's value, to the right of its arrow's head 20 pixels below it.
    EXPECT_NEAR(values.front().at.x, 60.0 + 12.0, 1e-9);
}

// Node 1's value cannot reach left of the view's edge; above its head it would cover the
// node's number, so it goes a row higher.
TEST(SceneReactions, KeepsAValueAtTheEdgeInsideTheViewAndClearOfTheNumber) {
    for (const TextPrim& text : Shapes<TextPrim>(Build(HelpExampleModel()), Role::Reaction)) {
        if (text.text != "-3.333E+01")
            continue;
        const Rect box = LabelBox(text);
        EXPECT_GE(box.left, 0.0);
        EXPECT_LE(box.Bottom(), 320.0 - 17.0); // the top of node 1's number
        return;
    }
    ADD_FAILURE() << "node 1's X reaction has no label";
}

} // namespace
} // namespace trelvo::viewer
