#pragma once

#include "viewer/scene.h"

class QPainter;

namespace trelvo::qt {

// Paints the scene's primitives with anti-aliasing, in their order, at the painter's
// current transform: the one drawing routine of the screen, image and print output.
void PaintScene(QPainter& painter, const viewer::Scene& scene);

} // namespace trelvo::qt
