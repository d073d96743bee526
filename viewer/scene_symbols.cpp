// Symbols around the truss: supports on the fixed directions, load and reaction arrows,
// the axes.
#include "viewer/clip.h"
#include "viewer/label_places.h"
#include "viewer/scene_parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace trelvo::viewer {
namespace {

constexpr double kSupportHeight = 13.0;
constexpr double kSupportHalfBase = 7.0;
constexpr double kLongestArrow = 60.0;
constexpr double kShortestArrow = 16.0;
constexpr double kArrowHead = 10.0;
// Reaction arrows stand clear of the support symbol and its ground line, and are short
// enough that they and their labels stay within the margin the view is fitted with.
constexpr double kReactionGap = kSupportHeight + 7.0;
constexpr double kLongestReaction = 34.0;
constexpr double kShortestReaction = 16.0;
// Reactions smaller than this share of the largest are rounding noise, not support forces.
constexpr double kNoReaction = 1e-9;
// Below this share of its length a direction points at the viewer and is not drawn.
constexpr double kFacingViewer = 0.3;

const std::array<Vec3, 3> kAxes{{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};

Point2 Along(Point2 p, Point2 unit, double distance) {
    return {p.x + unit.x * distance, p.y + unit.y * distance};
}
Point2 Across(Point2 p, Point2 unit, double distance) {
    return {p.x - unit.y * distance, p.y + unit.x * distance};
}

// The screen direction of a model direction, as a unit vector, and how much of the model
// direction's length shows on screen.
std::pair<Point2, double> ScreenUnit(const Camera& camera, const Vec3& direction) {
    const Point2 d = camera.ProjectDirection(Normalized(direction));
    const double length = std::hypot(d.x, d.y);
    if (!(length > 0.0))
        return {{0.0, 0.0}, 0.0};
    return {{d.x / length, d.y / length}, length / camera.Scale()};
}

void AddSupport(Scene& scene, Point2 node, Point2 unit) {
    // A triangle against the node on the side the fixity holds it from, on a ground line.
    const Point2 base = Along(node, unit, -kSupportHeight);
    scene.Add(Role::Support, PolygonPrim{{node, Across(base, unit, kSupportHalfBase),
                                          Across(base, unit, -kSupportHalfBase)},
                                         palette::kSupport});
    const Point2 ground = Along(node, unit, -kSupportHeight - 3.0);
    scene.Add(Role::Support,
              LinePrim{Across(ground, unit, kSupportHalfBase + 3.0),
                       Across(ground, unit, -kSupportHalfBase - 3.0), palette::kSupport, 2.0});
}

double LargestLoad(const ViewerModel& model) {
    double largest = 0.0;
    for (const ViewerNode& node : model.nodes)
        if (IsFinite(node.load))
            largest = std::max(largest, Length(node.load));
    return largest;
}

// A shaft from the tail and a head ending at the tip; `unit` points from tail to tip.
void AddArrow(Scene& scene, Role role, Rgb colour, Point2 tail, Point2 tip, Point2 unit,
              int number) {
    const Point2 neck = Along(tip, unit, -kArrowHead);
    scene.Add(role, LinePrim{tail, neck, colour, 2.0, Stroke::Solid, number});
    scene.Add(role, PolygonPrim{{tip, Across(neck, unit, 4.5), Across(neck, unit, -4.5)}, colour});
}

void AddLoadArrow(Scene& scene, Point2 node, Point2 unit, double length, int number) {
    // The head touches the node: the load pushes on it.
    const Point2 tip = Along(node, unit, -4.0);
    AddArrow(scene, Role::Load, palette::kLoad, Along(tip, unit, -length), tip, unit, number);
}

// Where a reaction's value may go, best first, beside the arrow's head; the support
// symbol stands next to the node and the node's number at its upper right. Beside an
// upright arrow: right of the head, else left. Beside a level one, reaching away from the
// node: above the head, a row higher clear of the number, else below.
std::vector<Rect> ReactionLabelPlaces(Point2 head, Point2 outward, double width) {
    constexpr double kHeight = 13.0;
    if (std::abs(outward.y) >= std::abs(outward.x))
        return {{head.x + 12.0, head.y - kHeight / 2.0, width, kHeight},
                {head.x - 12.0 - width, head.y - kHeight / 2.0, width, kHeight}};
    const double left = outward.x < 0.0 ? head.x - width : head.x;
    return {{left, head.y - 6.0 - kHeight, width, kHeight},
            {left, head.y - 21.0 - kHeight, width, kHeight},
            {left, head.y + 6.0, width, kHeight}};
}

void AddReaction(Scene& scene, const SceneContext& context, LabelPlaces& labels, Point2 node,
                 Point2 axis, const ReportValue& reaction, double length, int number) {
    // Beyond the support symbol, on the side the fixity holds the node from; the head
    // shows the way the support pushes or pulls the node.
    const Point2 near = Along(node, axis, -kReactionGap);
    const Point2 far = Along(near, axis, -length);
    const bool pushes = reaction.value > 0.0;
    const Point2 tip = pushes ? near : far;
    AddArrow(scene, Role::Reaction, palette::kReaction, pushes ? far : near, tip,
             pushes ? axis : Point2{-axis.x, -axis.y}, number);
    if (!Contains(context.plot, tip))
        return;
    const Rect plot{context.plot.left + 4.0, context.plot.top + 4.0, context.plot.width - 8.0,
                    context.plot.height - 8.0};
    if (const auto box = labels.TakeFirstOf(
            ReactionLabelPlaces(tip, {-axis.x, -axis.y}, LabelWidth(reaction.text)), plot))
        scene.Add(Role::Reaction, TextPrim{{box->left, box->Bottom() - 2.0}, reaction.text,
                                           palette::kReaction, 11.0});
}

} // namespace

void AddAxes(Scene& scene, const SceneContext& context) {
    const Point2 origin{context.plot.left + 42.0, context.plot.Bottom() - 42.0};
    const char* names[] = {"X", "Y", "Z"};
    const NeutralColours& neutral = context.options.neutral;
    const Rgb colours[] = {neutral.Ink(palette::kAxisX), neutral.Ink(palette::kAxisY),
                           neutral.Ink(palette::kAxisZ)};
    const Orientation& o = context.camera.GetOrientation();
    for (std::size_t a = 0; a < kAxes.size(); ++a) {
        const Point2 d{Dot(o.right, kAxes[a]), -Dot(o.up, kAxes[a])};
        const Point2 end = Along(origin, d, 28.0);
        scene.Add(Role::Axes, LinePrim{origin, end, colours[a], 2.0});
        if (std::hypot(d.x, d.y) > kFacingViewer)
            scene.Add(Role::Axes, TextPrim{Along(Along(origin, d, 38.0), {0.0, 1.0}, 4.0), names[a],
                                           colours[a], 11.0, Anchor::Middle, true});
    }
}

void AddSupports(Scene& scene, const SceneContext& context) {
    if (!context.options.showSupports)
        return;
    for (std::size_t i = 0; i < context.model.nodes.size(); ++i) {
        if (!Contains(context.drawable, context.undeformed[i]))
            continue;
        for (std::size_t d = 0; d < kAxes.size(); ++d) {
            if (!context.model.nodes[i].fixed[d])
                continue;
            const auto [unit, shown] = ScreenUnit(context.camera, kAxes[d]);
            if (shown > kFacingViewer)
                AddSupport(scene, context.undeformed[i], unit);
        }
    }
}

void AddLoads(Scene& scene, const SceneContext& context) {
    const double largest = LargestLoad(context.model);
    if (!context.options.showLoads || !(largest > 0.0) || !std::isfinite(largest))
        return;
    for (std::size_t i = 0; i < context.model.nodes.size(); ++i) {
        const Vec3& load = context.model.nodes[i].load;
        const double size = Length(load);
        if (!(size > 0.0) || !IsFinite(load) || !Contains(context.drawable, context.undeformed[i]))
            continue;
        const auto [unit, shown] = ScreenUnit(context.camera, load);
        const double length = std::max(kLongestArrow * size / largest, kShortestArrow);
        const int number = static_cast<int>(i) + 1;
        if (shown > kFacingViewer)
            AddLoadArrow(scene, context.undeformed[i], unit, length * shown, number);
        else // a load along the line of sight: a ring around the node
            scene.Add(Role::Load,
                      CirclePrim{context.undeformed[i], 7.0, {}, palette::kLoad, 2.0, number});
    }
}

void AddReactions(Scene& scene, const SceneContext& context, LabelPlaces& places) {
    const double largest = context.model.LargestReaction();
    if (!context.options.showReactions || !(largest > 0.0))
        return;
    for (std::size_t i = 0; i < context.model.nodes.size(); ++i) {
        if (!Contains(context.drawable, context.undeformed[i]))
            continue;
        for (std::size_t d = 0; d < kAxes.size(); ++d) {
            const std::optional<ReportValue>& reaction = context.model.nodes[i].reaction[d];
            if (!reaction || !reaction->IsNumber() ||
                !(std::abs(reaction->value) >= kNoReaction * largest))
                continue;
            const auto [axis, shown] = ScreenUnit(context.camera, kAxes[d]);
            if (!(shown > kFacingViewer))
                continue; // along the line of sight, like its support
            // Foreshortened with its direction, but never to less than a head and a shaft.
            const double length =
                std::max(kLongestReaction * shown * std::abs(reaction->value) / largest,
                         kShortestReaction);
            AddReaction(scene, context, places, context.undeformed[i], axis, *reaction, length,
                        static_cast<int>(i) + 1);
        }
    }
}

} // namespace trelvo::viewer
