#pragma once

#include "win32/viewer/gdiplus_api.h"
#include "viewer/scene.h"

#include <memory>
#include <utility>
#include <vector>

namespace trelvo::win32 {

// Shapes gathered into as few GDI+ paths as their colours and pens allow, and drawn with
// one call per path: under Wine, GDI+ spends far more on each call than on each figure.
// The fills are drawn before the strokes; shapes whose order shows must not share a batch.
class PathBatch {
public:
    void Add(const viewer::LinePrim& line);
    void Add(const viewer::PolygonPrim& polygon);
    void Add(const viewer::CirclePrim& circle);
    void Add(const viewer::RectPrim& rect);

    // Draws what was gathered and empties the batch.
    void Draw(Gdiplus::Graphics& graphics);

private:
    struct PenStyle {
        viewer::Rgb colour;
        double width = 1.0;
        viewer::Stroke stroke = viewer::Stroke::Solid;
        bool operator==(const PenStyle&) const = default;
    };

    Gdiplus::GraphicsPath& FillOf(viewer::Rgb colour);
    Gdiplus::GraphicsPath& StrokeOf(const PenStyle& pen);

    std::vector<std::pair<viewer::Rgb, std::unique_ptr<Gdiplus::GraphicsPath>>> fills_;
    std::vector<std::pair<PenStyle, std::unique_ptr<Gdiplus::GraphicsPath>>> strokes_;
};

} // namespace trelvo::win32
