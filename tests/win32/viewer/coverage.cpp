#include "tests/win32/viewer/coverage.h"

#include <algorithm>
#include <cmath>

namespace trelvo::win32::test {
namespace {

// A cell's darkness may differ by this much: a label set in a face a little wider, a
// bold title in another build. A cell of 40 pixels loses about 0.07 when a solid bar of
// 3 pixels that crosses it is missing, and a node or a label far more.
constexpr double kInkTolerance = 0.06;
// A cell's pixels of one colour may differ by this share of the larger count, plus a few
// for edges that the two painters smooth differently. A dashed bar crossing a cell has
// about 80 pixels of its colour there, a solid one about 140.
constexpr double kHueShare = 0.3;
constexpr int kHuePixels = 30;

constexpr std::array<const char*, static_cast<std::size_t>(Hue::Count)> kHueNames{"red", "orange", "green", "teal", "blue", "magenta"};

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// A pixel of little colour (white, grey, black) has no hue.
bool HueOf(std::uint32_t pixel, Hue& hue) {
    const int r = Channel(pixel, 16), g = Channel(pixel, 8), b = Channel(pixel, 0);
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high - low < 40)
        return false;
    double degrees = 0.0;
    const double span = high - low;
    if (high == r)
        degrees = 60.0 * std::fmod((g - b) / span + 6.0, 6.0);
    else if (high == g)
        degrees = 60.0 * ((b - r) / span + 2.0);
    else
        degrees = 60.0 * ((r - g) / span + 4.0);
    hue = degrees < 20 || degrees >= 330 ? Hue::Red
          : degrees < 60                 ? Hue::Orange
          : degrees < 165                ? Hue::Green
          : degrees < 195                ? Hue::Teal
          : degrees < 260                ? Hue::Blue
                                         : Hue::Magenta;
    return true;
}

double Darkness(std::uint32_t pixel) {
    return 1.0 - (Channel(pixel, 16) + Channel(pixel, 8) + Channel(pixel, 0)) / (3.0 * 255.0);
}

} // namespace

Pixels ReadPixels(Gdiplus::Bitmap& bitmap) {
    Pixels picture{static_cast<int>(bitmap.GetWidth()), static_cast<int>(bitmap.GetHeight()), {}};
    Gdiplus::Rect all(0, 0, picture.width, picture.height);
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok)
        return {};
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (int x = 0; x < picture.width; ++x)
            picture.rgb.push_back(row[x] & 0xFFFFFF);
    }
    bitmap.UnlockBits(&data);
    return picture;
}

Coverage Measure(const Pixels& picture, int cellSize) {
    Coverage coverage;
    coverage.columns = (picture.width + cellSize - 1) / cellSize;
    coverage.rows = (picture.height + cellSize - 1) / cellSize;
    const auto cells = static_cast<std::size_t>(coverage.columns * coverage.rows);
    coverage.ink.assign(cells, 0.0);
    coverage.hues.assign(cells, HueCounts{});
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = picture.rgb[static_cast<std::size_t>(y * picture.width + x)];
            const auto cell = static_cast<std::size_t>(y / cellSize * coverage.columns + x / cellSize);
            coverage.ink[cell] += Darkness(pixel) / (cellSize * cellSize);
            Hue hue{};
            if (HueOf(pixel, hue))
                ++coverage.hues[cell][static_cast<std::size_t>(hue)];
        }
    return coverage;
}

std::vector<std::string> Differences(const Coverage& ours, const Coverage& reference) {
    if (ours.columns != reference.columns || ours.rows != reference.rows)
        return {"the pictures differ in size"};
    std::vector<std::string> found;
    for (std::size_t cell = 0; cell < ours.ink.size(); ++cell) {
        const std::string where = "cell " + std::to_string(cell % static_cast<std::size_t>(ours.columns)) + "," +
                                  std::to_string(cell / static_cast<std::size_t>(ours.columns)) + ": ";
        if (std::abs(ours.ink[cell] - reference.ink[cell]) > kInkTolerance)
            found.push_back(where + "ink " + std::to_string(ours.ink[cell]) + " against " +
                            std::to_string(reference.ink[cell]));
        for (std::size_t hue = 0; hue < kHueNames.size(); ++hue) {
            const int a = ours.hues[cell][hue], b = reference.hues[cell][hue];
            if (std::abs(a - b) > kHuePixels + kHueShare * std::max(a, b))
                found.push_back(where + kHueNames[hue] + " " + std::to_string(a) + " pixels against " +
                                std::to_string(b));
        }
    }
    return found;
}

} // namespace trelvo::win32::test
