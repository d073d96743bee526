#pragma once

#include "viewer/vec3.h"

#include <optional>
#include <string>
#include <vector>

namespace trelvo::viewer {

// The labels drawn so far. A label that would overlap one of them is left out, so that
// crowded labels stay readable; hovering still names every node and element.
class LabelPlaces {
  public:
    // Takes the place when it is free; false when it overlaps a label already placed.
    bool Take(const Rect& place);

    // The first of the places that lies inside `within` and is free; failing that, the first
    // that is free once moved inside; none when every one overlaps a label.
    std::optional<Rect> TakeFirstOf(const std::vector<Rect>& places, const Rect& within);

  private:
    std::vector<Rect> taken_;
};

// A label's width from its length: characters of the label fonts are at most 7 pixels wide.
double LabelWidth(const std::string& text);

} // namespace trelvo::viewer
