#pragma once

// How much of a picture is inked where, and in which colours: the measure by which two
// painters of one scene are compared. Anti-aliasing, fonts and a pixel's offset hardly
// change it; a missing bar, legend or label, a shape out of place or a wrong colour does.
#include "win32/viewer/gdiplus_api.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trelvo::win32::test {

// The colours a pixel is counted in; black, grey and white count as ink alone.
enum class Hue { Red, Orange, Green, Teal, Blue, Magenta, Count };
using HueCounts = std::array<int, static_cast<std::size_t>(Hue::Count)>;

// Per square cell of the picture, row by row.
struct Coverage {
    int columns = 0;
    int rows = 0;
    std::vector<double> ink;     // the mean darkness, 0 (white) to 1
    std::vector<HueCounts> hues; // the pixels of each colour
};

// Rows of 0x00RRGGBB pixels, from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
};

Pixels ReadPixels(Gdiplus::Bitmap& bitmap);
Coverage Measure(const Pixels& picture, int cellSize);

// The cells and hues in which two measures differ by more than the tolerances, one line
// each; empty when they agree.
std::vector<std::string> Differences(const Coverage& ours, const Coverage& reference);

} // namespace trelvo::win32::test
