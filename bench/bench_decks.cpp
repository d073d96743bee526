#include "bench/bench_decks.h"

#include <filesystem>
#include <cmath>
#include <fstream>

namespace trelvo::bench {

namespace {

std::string NodeLine(int number, bool fixed, double x, double y, double z, double loadZ) {
    const char* fixity = fixed ? " 1 1 1 " : " 0 0 0 ";
    return std::to_string(number) + fixity + std::to_string(x) + " " + std::to_string(y) + " " +
           std::to_string(z) + " 0.0 0.0 " + std::to_string(loadZ) + "\r\n";
}

std::string ElementLine(int number, int a, int b) {
    return std::to_string(number) + " " + std::to_string(a) + " " + std::to_string(b) +
           " 210E9 0.0012\r\n";
}

} // namespace

std::string FiftyNodeSpaceDeck() {
    constexpr int kFree = 16;
    constexpr int kSupports = 34;
    std::string deck = "SPACE GRID, 50 NODES, 50 ELEMENTS\r\n50 50\r\n";
    // Supports on a ring at z = 0, free nodes on a smaller ring at z = 3.
    for (int i = 0; i < kSupports; ++i) {
        const double angle = 6.283185307179586 * i / kSupports;
        deck += NodeLine(i + 1, true, 10.0 * std::cos(angle), 10.0 * std::sin(angle), 0.0, 0.0);
    }
    for (int i = 0; i < kFree; ++i) {
        const double angle = 6.283185307179586 * i / kFree;
        deck += NodeLine(kSupports + i + 1, false, 6.0 * std::cos(angle), 6.0 * std::sin(angle),
                         3.0 + 0.1 * i, -1000.0);
    }
    int element = 0;
    for (int i = 0; i < kFree; ++i) {
        const int node = kSupports + i + 1;
        const int nearest = (i * kSupports) / kFree;
        // Three supports spread around the node: not coplanar with it.
        deck += ElementLine(++element, nearest + 1, node);
        deck += ElementLine(++element, (nearest + 3) % kSupports + 1, node);
        deck += ElementLine(++element, (nearest + kSupports - 3) % kSupports + 1, node);
    }
    deck += ElementLine(++element, kSupports + 1, kSupports + 9);
    deck += ElementLine(++element, kSupports + 5, kSupports + 13);
    return deck;
}

std::string WriteTemporaryDeck(const std::string& name, const std::string& text) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

} // namespace trelvo::bench
