#include "viewer/label_places.h"

#include <algorithm>

namespace trelvo::viewer {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Inside(const Rect& place, const Rect& within) {
    return place.left >= within.left && place.Right() <= within.Right() &&
           place.top >= within.top && place.Bottom() <= within.Bottom();
}

Rect MovedInside(Rect place, const Rect& within) {
    place.left = std::clamp(place.left, within.left,
                            std::max(within.left, within.Right() - place.width));
    place.top = std::clamp(place.top, within.top,
                           std::max(within.top, within.Bottom() - place.height));
    return place;
}

} // namespace

bool LabelPlaces::Take(const Rect& place) {
    for (const Rect& taken : taken_)
        if (Overlap(place, taken))
            return false;
    taken_.push_back(place);
    return true;
}

std::optional<Rect> LabelPlaces::TakeFirstOf(const std::vector<Rect>& places,
                                             const Rect& within) {
    for (const Rect& place : places)
        if (Inside(place, within) && Take(place))
            return place;
    for (const Rect& place : places)
        if (const Rect moved = MovedInside(place, within); Take(moved))
            return moved;
    return std::nullopt;
}

double LabelWidth(const std::string& text) {
    return 7.0 * static_cast<double>(text.size());
}

} // namespace trelvo::viewer
