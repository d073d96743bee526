#pragma once

#include "viewer/scene.h"

#include <cstddef>
#include <optional>
#include <span>

namespace trelvo::win32 {

// The one colour a primitive paints in; none for a ramp, or a shape filled in one colour
// and outlined in another.
std::optional<viewer::Rgb> SingleColour(const viewer::Shape& shape);

// Where the run of items that starts at `begin` ends: the neighbours painting in its one
// colour. Opaque shapes of one colour look the same in any order, so a run may be drawn
// as a few merged paths; an item of several colours is a run of its own.
std::size_t RunEnd(std::span<const viewer::Primitive> items, std::size_t begin);

} // namespace trelvo::win32
