// Draws the toolbar pictures and the program icons of the Windows programs from the same
// drawings as the desktop program's, and writes them where their resource scripts read
// them: write_win32_pictures FOLDER writes FOLDER/toolbar-16.bmp and toolbar-24.bmp (the
// strip at the two sizes of the system's standard pictures, for 100 % and for 150 % and
// more), trelvo.ico (the editor's and trelvo-batch's) and vantrel.ico (the viewer's).
#include "qt/common/icon_art.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using trelvo::ButtonImage;
using trelvo::qt::DrawButtonImage;

// The strip's order and picture size, and the key colour the toolbar leaves out: the
// Windows programs' program_resource_ids.h and win32/editor/resource_ids.h say the same.
constexpr std::array kStripPictures{ButtonImage::Icon1, ButtonImage::Icon2, ButtonImage::Icon5,
                                    ButtonImage::Icon6, ButtonImage::Icon7};
constexpr std::array kStripSizes{16, 24};
constexpr QRgb kKey = qRgb(255, 0, 255);
// Edges drawn half transparent are blended into the toolbar's light grey, so that thin
// bars keep their colour; a pixel covered less than a sixth is left out.
constexpr QRgb kMatte = qRgb(240, 240, 240);
// The sizes the shell asks for at the usual scales (100 % to 200 %).
constexpr std::array kIconSizes{16, 20, 24, 32, 40, 48, 64};

class Bytes {
public:
    void U8(unsigned value) { data_ += static_cast<char>(value & 0xFF); }
    void U16(unsigned value) {
        U8(value);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Append(const std::string& bytes) { data_ += bytes; }
    const std::string& Data() const { return data_; }

private:
    std::string data_;
};

QRgb Flattened(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    if (alpha < 43)
        return kKey;
    const auto blend = [alpha](int colour, int matte) { return (colour * alpha + matte * (255 - alpha)) / 255; };
    return qRgb(blend(qRed(pixel), qRed(kMatte)), blend(qGreen(pixel), qGreen(kMatte)),
                blend(qBlue(pixel), qBlue(kMatte)));
}

void InfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageSize) {
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);
    out.U16(static_cast<unsigned>(bits));
    out.U32(0); // uncompressed
    out.U32(imageSize);
    out.U32(2835); // 72 dots per inch
    out.U32(2835);
    out.U32(0);
    out.U32(0);
}

// The pictures side by side, flattened onto the key colour, as a 24-bit bottom-up bitmap.
std::string ToolbarBitmap(int pictureSize) {
    const int width = pictureSize * static_cast<int>(kStripPictures.size());
    QImage strip(width, pictureSize, QImage::Format_ARGB32);
    for (std::size_t i = 0; i < kStripPictures.size(); ++i) {
        const QImage picture = DrawButtonImage(kStripPictures[i], pictureSize).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < pictureSize; ++y)
            for (int x = 0; x < pictureSize; ++x)
                strip.setPixel(static_cast<int>(i) * pictureSize + x, y, Flattened(picture.pixel(x, y)));
    }
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const auto imageSize = static_cast<std::uint32_t>(rowBytes * pictureSize);
    Bytes out;
    out.U8('B');
    out.U8('M');
    out.U32(14 + 40 + imageSize);
    out.U32(0);
    out.U32(14 + 40);
    InfoHeader(out, width, pictureSize, 24, imageSize);
    for (int y = pictureSize - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = strip.pixel(x, y);
            out.U8(static_cast<unsigned>(qBlue(pixel)));
            out.U8(static_cast<unsigned>(qGreen(pixel)));
            out.U8(static_cast<unsigned>(qRed(pixel)));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            out.U8(0);
    }
    return out.Data();
}

// One image of the icon: 32-bit colour with its alpha, then the mask of what it leaves out.
std::string IconImage(ButtonImage art, int size) {
    const QImage picture = DrawButtonImage(art, size).convertToFormat(QImage::Format_ARGB32);
    const int maskRowBytes = (size + 31) / 32 * 4;
    Bytes out;
    InfoHeader(out, size, 2 * size, 32, static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size));
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x)
            out.U32(picture.pixel(x, y)); // stored as B, G, R, A
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskRowBytes), '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(picture.pixel(x, y)) == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out.Append(row);
    }
    return out.Data();
}

std::string ProgramIcon(ButtonImage art) {
    std::array<std::string, kIconSizes.size()> images;
    for (std::size_t i = 0; i < kIconSizes.size(); ++i)
        images[i] = IconImage(art, kIconSizes[i]);
    Bytes out;
    out.U16(0);
    out.U16(1); // an icon
    out.U16(static_cast<unsigned>(kIconSizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(kIconSizes.size());
    for (std::size_t i = 0; i < kIconSizes.size(); ++i) {
        out.U8(static_cast<unsigned>(kIconSizes[i]));
        out.U8(static_cast<unsigned>(kIconSizes[i]));
        out.U8(0); // not a palette picture
        out.U8(0);
        out.U16(1);
        out.U16(32);
        out.U32(static_cast<std::uint32_t>(images[i].size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images)
        out.Append(image);
    return out.Data();
}

// Written whole under a temporary name and renamed, so that a failed run leaves no
// half-written file for the resource compiler.
bool WriteFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << bytes;
        if (!file.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_win32_pictures FOLDER\n", stderr);
        return 1;
    }
    const std::string folder = argv[1];
    // The editor's icon is its Run picture, the viewer's its Launch picture.
    for (const auto& [name, bytes] : {std::pair{"/toolbar-16.bmp", ToolbarBitmap(kStripSizes[0])},
                                      std::pair{"/toolbar-24.bmp", ToolbarBitmap(kStripSizes[1])},
                                      std::pair{"/trelvo.ico", ProgramIcon(ButtonImage::Icon1)},
                                      std::pair{"/vantrel.ico", ProgramIcon(ButtonImage::Icon5)}}) {
        if (!WriteFile(folder + name, bytes)) {
            std::fprintf(stderr, "cannot write %s%s\n", folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
