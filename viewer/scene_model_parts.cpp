// The truss itself: bars before and after deformation, nodes, and their numbers.
#include "viewer/clip.h"
#include "viewer/label_places.h"
#include "viewer/scene_parts.h"

#include <cmath>
#include <string>
#include <vector>

namespace trelvo::viewer {
namespace {

constexpr double kUndeformedWidth = 1.0;
constexpr double kBarWidth = 3.0;
constexpr double kNodeRadius = 3.5;
constexpr double kAffectedRadius = 9.0;

std::size_t Index(int number) {
    return static_cast<std::size_t>(number - 1);
}

bool HasDeformedEnds(const SceneContext& context, const ViewerElement& element) {
    return context.deformed[Index(element.node1)] && context.deformed[Index(element.node2)];
}

void AddBar(Scene& scene, const SceneContext& context, const ViewerElement& element, int number) {
    LinePrim line;
    line.width = kBarWidth;
    line.item = number;
    Role role = Role::DeformedBar;
    if (!HasDeformedEnds(context, element)) {
        // No deformed place for an end: the bar stays where it was, marked as unknown.
        line.from = context.undeformed[Index(element.node1)];
        line.to = context.undeformed[Index(element.node2)];
        line.colour = palette::kOverflow;
        line.stroke = Stroke::Dotted;
        role = Role::OverflowBar;
    } else {
        line.from = *context.deformed[Index(element.node1)];
        line.to = *context.deformed[Index(element.node2)];
        if (element.stress.overflow) {
            line.colour = palette::kOverflow;
            line.stroke = Stroke::Dotted;
            role = Role::OverflowBar;
        } else {
            line.colour = context.scale.ColourAt(element.stress.value);
            line.stroke = StrokeForStress(element.stress.value);
        }
    }
    scene.hits.bars.emplace_back(line.from, line.to);
    AddSegment(scene, context, role, line);
}

Rgb Ground(const SceneContext& context, Rgb fixed) {
    return context.options.neutral.Ground(fixed);
}
Rgb Ink(const SceneContext& context, Rgb fixed) {
    return context.options.neutral.Ink(fixed);
}

Point2 Offset(Point2 p, double dx, double dy) {
    return {p.x + dx, p.y + dy};
}

} // namespace

void AddUndeformedBars(Scene& scene, const SceneContext& context) {
    if (!context.options.showUndeformed)
        return;
    for (std::size_t i = 0; i < context.model.elements.size(); ++i) {
        const ViewerElement& element = context.model.elements[i];
        AddSegment(scene, context, Role::UndeformedBar,
                   LinePrim{context.undeformed[Index(element.node1)],
                            context.undeformed[Index(element.node2)],
                            Ink(context, palette::kUndeformed), kUndeformedWidth, Stroke::Solid,
                            static_cast<int>(i) + 1});
    }
}

void AddHighlight(Scene& scene, const SceneContext& context) {
    if (const auto element = context.options.hoverElement;
        element && *element >= 1 && *element <= static_cast<int>(context.model.elements.size())) {
        const ViewerElement& bar = context.model.elements[Index(*element)];
        AddSegment(scene, context, Role::Highlight,
                   LinePrim{context.DrawnNode(bar.node1), context.DrawnNode(bar.node2),
                            palette::kHighlight, 10.0, Stroke::Solid, *element});
    }
    if (const auto node = context.options.hoverNode;
        node && *node >= 1 && *node <= static_cast<int>(context.model.nodes.size())) {
        const Point2 at = context.DrawnNode(*node);
        if (Contains(context.drawable, at))
            scene.Add(Role::Highlight, CirclePrim{at, 10.0, palette::kHighlight, {}, 0, *node});
    }
}

void AddDeformedBars(Scene& scene, const SceneContext& context) {
    for (std::size_t i = 0; i < context.model.elements.size(); ++i)
        AddBar(scene, context, context.model.elements[i], static_cast<int>(i) + 1);
}

void AddNodes(Scene& scene, const SceneContext& context) {
    for (std::size_t i = 0; i < context.model.nodes.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const Point2 own = context.undeformed[i];
        if (!context.deformed[i]) {
            scene.hits.nodes.push_back(own);
            if (!Contains(context.drawable, own))
                continue;
            scene.Add(Role::AffectedNode,
                      CirclePrim{own, kAffectedRadius, {}, palette::kAffectedNode, 2.0, number});
            scene.Add(Role::AffectedNode,
                      CirclePrim{own, 2.5, palette::kAffectedNode, {}, 0, number});
            scene.Add(Role::AffectedNode,
                      TextPrim{Offset(own, kAffectedRadius + 2, -kAffectedRadius), "!",
                               palette::kAffectedNode, 14.0, Anchor::Start, true});
            continue;
        }
        const Point2 moved = *context.deformed[i];
        scene.hits.nodes.push_back(moved);
        const bool apart = std::hypot(moved.x - own.x, moved.y - own.y) > kNodeRadius;
        if (context.options.showUndeformed && apart && Contains(context.drawable, own))
            scene.Add(Role::Node, CirclePrim{own, 2.5, Ground(context, palette::kBackground),
                                             Ink(context, palette::kUndeformed), 1.0, number});
        if (Contains(context.drawable, moved))
            scene.Add(Role::Node,
                      CirclePrim{moved, kNodeRadius, Ink(context, palette::kNode), {}, 0, number});
    }
}

void AddNumbers(Scene& scene, const SceneContext& context, LabelPlaces& places) {
    if (context.options.showElementNumbers) {
        for (std::size_t i = 0; i < scene.hits.bars.size(); ++i) {
            const auto& [a, b] = scene.hits.bars[i];
            const Point2 middle{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
            const std::string text = std::to_string(i + 1);
            const double halfWidth = LabelWidth(text) / 2.0 + 4.0;
            const Rect box{middle.x - halfWidth, middle.y - 8.0, 2.0 * halfWidth, 15.0};
            if (!Contains(context.drawable, middle) || !places.Take(box))
                continue;
            scene.Add(Role::ElementNumber, RectPrim{box, Ground(context, palette::kBackground),
                                                    Ink(context, palette::kElementLabel), 1.0});
            scene.Add(Role::ElementNumber,
                      TextPrim{Offset(middle, 0.0, 4.0), text, Ink(context, palette::kElementLabel),
                               11.0, Anchor::Middle});
        }
    }
    if (context.options.showNodeNumbers) {
        for (std::size_t i = 0; i < scene.hits.nodes.size(); ++i) {
            const Point2 at = Offset(scene.hits.nodes[i], 6.0, -6.0);
            const std::string text = std::to_string(i + 1);
            const Rect box{at.x, at.y - 11.0, LabelWidth(text), 13.0};
            if (Contains(context.drawable, scene.hits.nodes[i]) && places.Take(box))
                scene.Add(Role::NodeNumber, TextPrim{at, text, Ink(context, palette::kLabel), 12.0,
                                                     Anchor::Start, true});
        }
    }
}

} // namespace trelvo::viewer
