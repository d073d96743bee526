#pragma once

#include <cstdint>
#include <optional>

namespace trelvo::viewer {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// The fixed colours of the drawing.
namespace palette {
inline constexpr Rgb kBackground{255, 255, 255};
inline constexpr Rgb kUndeformed{185, 185, 185};
inline constexpr Rgb kNode{40, 40, 40};
inline constexpr Rgb kSupport{70, 110, 70};
inline constexpr Rgb kLoad{200, 110, 0};
inline constexpr Rgb kReaction{0, 135, 135};
inline constexpr Rgb kLabel{30, 30, 30};
inline constexpr Rgb kElementLabel{90, 60, 130};
inline constexpr Rgb kOverflow{170, 0, 170};
inline constexpr Rgb kAffectedNode{215, 25, 25};
inline constexpr Rgb kHighlight{255, 205, 60};
inline constexpr Rgb kPanel{246, 246, 246};
inline constexpr Rgb kPanelBorder{200, 200, 200};
inline constexpr Rgb kAxisX{200, 40, 40};
inline constexpr Rgb kAxisY{30, 150, 30};
inline constexpr Rgb kAxisZ{40, 70, 210};
} // namespace palette

// The colours that carry no meaning of their own: the ground (the background, the legend's
// panel) and the neutral ink (outlines, labels, the caption, the undeformed shape, the
// axes). Left empty, each keeps its fixed colour above; given, one colour takes the place
// of all of its kind, as the screen's under High Contrast. The colours that do mean
// something (stress, loads, supports, reactions, warnings) stay.
struct NeutralColours {
    std::optional<Rgb> ground;
    std::optional<Rgb> ink;

    Rgb Ground(Rgb fixed) const { return ground.value_or(fixed); }
    Rgb Ink(Rgb fixed) const { return ink.value_or(fixed); }
    bool operator==(const NeutralColours&) const = default;
};

} // namespace trelvo::viewer
