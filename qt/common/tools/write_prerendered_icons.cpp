// Draws the pictures start-up shows and writes them as C++ tables, so that the program
// shows them without drawing: write_prerendered_icons OUTPUT.cpp
#include "qt/common/icon_art.h"
#include "qt/common/prerendered_icons.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

using namespace trelvo::qt;

void WritePixels(std::ostream& out, std::size_t index, const QImage& picture) {
    out << "const std::uint32_t kPixels" << index << "[] = {";
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        out << "\n   ";
        for (int x = 0; x < picture.width(); ++x) {
            char number[16];
            std::snprintf(number, sizeof number, " 0x%08x,", static_cast<unsigned>(row[x]));
            out << number;
        }
    }
    out << "\n};\n\n";
}

std::string Source() {
    std::ostringstream out;
    out << "// Written by write_prerendered_icons from the icon drawings when the program is built.\n"
           "#include \"qt/common/prerendered_icons.h\"\n\n"
           "namespace trelvo::qt {\nnamespace {\n\n";
    const auto sizes = PrerenderedSizes();
    for (std::size_t i = 0; i < sizes.size(); ++i)
        WritePixels(out, i, DrawButtonImage(sizes[i].image, sizes[i].size));
    out << "const PrerenderedIcon kIcons[] = {\n";
    for (std::size_t i = 0; i < sizes.size(); ++i)
        out << "    {static_cast<ButtonImage>(" << static_cast<int>(sizes[i].image) << "), "
            << sizes[i].size << ", kPixels" << i << "},\n";
    out << "};\n\n} // namespace\n\n"
           "std::span<const PrerenderedIcon> PrerenderedIcons() { return kIcons; }\n\n"
           "} // namespace trelvo::qt\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_prerendered_icons OUTPUT.cpp\n", stderr);
        return 1;
    }
    const std::string source = Source();
    // Written whole under a temporary name and renamed, so that a failed run leaves no
    // half-written table for the next build to compile.
    const std::string temporary = std::string(argv[1]) + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << source;
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[1]) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
