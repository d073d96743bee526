#pragma once

#include "viewer/colour.h"
#include "viewer/stress_scale.h"
#include "viewer/vec3.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace trelvo::viewer {

// What a primitive shows; lets the renderers group them and the tests find them.
enum class Role {
    Background,
    Axes,
    UndeformedBar,
    Support,
    Load,
    Reaction,
    Highlight,
    DeformedBar,
    OverflowBar,
    Node,
    AffectedNode,
    NodeNumber,
    ElementNumber,
    Legend,
    Caption,
};

struct LinePrim {
    Point2 from;
    Point2 to;
    Rgb colour;
    double width = 1.0;
    Stroke stroke = Stroke::Solid;
    int item = 0; // the node or element number drawn, 0 for none
};

struct PolygonPrim {
    std::vector<Point2> points;
    Rgb fill;
};

struct CirclePrim {
    Point2 centre;
    double radius = 1.0;
    std::optional<Rgb> fill;
    std::optional<Rgb> outline;
    double width = 1.0;
    int item = 0;
};

struct RectPrim {
    Rect rect;
    std::optional<Rgb> fill;
    std::optional<Rgb> outline;
    double width = 1.0;
};

enum class Anchor { Start, Middle, End };

// Text whose baseline passes through `at`; `anchor` tells which end of it sits there.
struct TextPrim {
    Point2 at;
    std::string text; // single-byte characters, as the document holds them
    Rgb colour;
    double size = 12.0; // pixels
    Anchor anchor = Anchor::Start;
    bool bold = false;
};

// A vertical colour ramp: the last stop at the top.
struct RampPrim {
    Rect rect;
    std::vector<ColourStop> stops;
};

using Shape = std::variant<LinePrim, PolygonPrim, CirclePrim, RectPrim, TextPrim, RampPrim>;

struct Primitive {
    Role role;
    Shape shape;
};

// Where the legend's colour ramp stands and which stresses its ends mean.
struct LegendLayout {
    Rect ramp;
    double lowValue = 0.0;  // at the bottom edge
    double highValue = 0.0; // at the top edge
};

// Screen places of what can be pointed at: per node its drawn position, per element the
// segment drawn for it. 0-based, like the model.
struct SceneHits {
    std::vector<Point2> nodes;
    std::vector<std::pair<Point2, Point2>> bars;
};

// The whole picture in drawing primitives, in paint order. The screen painter, the image
// and print output and the SVG writer all draw from it.
struct Scene {
    double width = 0.0;
    double height = 0.0;
    std::vector<Primitive> items;
    SceneHits hits;
    std::optional<LegendLayout> legend;

    template <class T> void Add(Role role, T shape) { items.push_back({role, std::move(shape)}); }
};

} // namespace trelvo::viewer
