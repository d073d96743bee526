#pragma once

#include <cstdint>

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

} // namespace trelvo::viewer
