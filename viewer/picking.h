#pragma once

#include "viewer/scene.h"

#include <optional>

namespace trelvo::viewer {

struct Pick {
    enum class Kind { Node, Element } kind;
    int number; // 1-based

    bool operator==(const Pick&) const = default;
};

// What lies under the pointer: the nearest node within a few pixels, else the nearest bar.
std::optional<Pick> PickAt(const SceneHits& hits, Point2 at);

} // namespace trelvo::viewer
