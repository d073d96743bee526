#include "win32/viewer/glyph_text_painter.h"

#include <algorithm>
#include <cmath>

namespace trelvo::win32 {
namespace {

constexpr int kFullCover = 64; // GGO_GRAY8_BITMAP's levels run from 0 to 64

std::uint32_t Mix(std::uint32_t pixel, viewer::Rgb colour, int cover) {
    const auto channel = [&](int shift, std::uint8_t ink) {
        const int under = static_cast<int>((pixel >> shift) & 0xFFu);
        return static_cast<std::uint32_t>((under * (kFullCover - cover) + ink * cover + kFullCover / 2) / kFullCover)
               << shift;
    };
    return channel(16, colour.r) | channel(8, colour.g) | channel(0, colour.b);
}

} // namespace

GlyphTextPainter::GlyphTextPainter(HDC dc, std::uint32_t* pixels, SIZE size)
    : dc_(dc), pixels_(pixels), size_(size), firstFont_(::GetCurrentObject(dc, OBJ_FONT)) {}

GlyphTextPainter::~GlyphTextPainter() {
    ::SelectObject(dc_, firstFont_); // a font selected into a context cannot be deleted
    for (const auto& [key, face] : faces_)
        ::DeleteObject(face->font);
}

void GlyphTextPainter::Draw(const viewer::TextPrim& text) {
    Face& face = FaceFor(text.size * scale_, text.bold);
    int width = 0;
    for (char c : text.text)
        width += GlyphOf(face, static_cast<unsigned char>(c)).advance;
    int x = static_cast<int>(std::lround(text.at.x * scale_));
    if (text.anchor != viewer::Anchor::Start)
        x -= text.anchor == viewer::Anchor::Middle ? width / 2 : width;
    const int baseline = static_cast<int>(std::lround(text.at.y * scale_));
    for (char c : text.text) {
        const Glyph& glyph = GlyphOf(face, static_cast<unsigned char>(c));
        Blend(glyph, x + glyph.origin.x, baseline - glyph.origin.y, text.colour);
        x += glyph.advance;
    }
}

GlyphTextPainter::Face& GlyphTextPainter::FaceFor(double size, bool bold) {
    const auto key = std::make_pair(static_cast<int>(std::lround(size)), bold);
    if (const auto found = faces_.find(key); found != faces_.end())
        return *found->second;
    auto face = std::make_unique<Face>();
    // A negative height asks for the em height, as the scene's size means it.
    face->font = ::CreateFontW(-key.first, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               L"Arial");
    return *faces_.emplace(key, std::move(face)).first->second;
}

const GlyphTextPainter::Glyph& GlyphTextPainter::GlyphOf(Face& face, unsigned char character) {
    std::optional<Glyph>& slot = face.glyphs[character];
    if (slot)
        return *slot;
    slot.emplace();
    ::SelectObject(dc_, face.font);
    static const MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics{};
    const wchar_t wide = character; // the byte is the character of that number (Latin-1)
    const DWORD bytes = ::GetGlyphOutlineW(dc_, wide, GGO_GRAY8_BITMAP, &metrics, 0, nullptr, &kIdentity);
    if (bytes == GDI_ERROR)
        return *slot;
    slot->advance = metrics.gmCellIncX;
    if (bytes == 0) // a space: an advance and no ink
        return *slot;
    slot->levels.resize(bytes);
    ::GetGlyphOutlineW(dc_, wide, GGO_GRAY8_BITMAP, &metrics, bytes, slot->levels.data(), &kIdentity);
    slot->origin = POINT{metrics.gmptGlyphOrigin.x, metrics.gmptGlyphOrigin.y};
    slot->size = SIZE{static_cast<LONG>(metrics.gmBlackBoxX), static_cast<LONG>(metrics.gmBlackBoxY)};
    slot->pitch = static_cast<int>((metrics.gmBlackBoxX + 3) & ~3u); // rows of whole double words
    if (slot->levels.size() < static_cast<std::size_t>(slot->pitch) * metrics.gmBlackBoxY)
        slot->levels.clear(); // not the mask asked for: drawn as nothing rather than past its end
    return *slot;
}

void GlyphTextPainter::Blend(const Glyph& glyph, int left, int top, viewer::Rgb colour) {
    if (glyph.levels.empty())
        return;
    const int firstRow = std::max(0, -top);
    const int lastRow = std::min<int>(glyph.size.cy, size_.cy - top);
    const int firstColumn = std::max(0, -left);
    const int lastColumn = std::min<int>(glyph.size.cx, size_.cx - left);
    for (int row = firstRow; row < lastRow; ++row) {
        const BYTE* levels = glyph.levels.data() + static_cast<std::size_t>(row) * glyph.pitch;
        std::uint32_t* line = pixels_ + static_cast<std::size_t>(top + row) * size_.cx + left;
        for (int column = firstColumn; column < lastColumn; ++column) {
            const int cover = std::min<int>(levels[column], kFullCover);
            if (cover > 0)
                line[column] = Mix(line[column], colour, cover);
        }
    }
}

} // namespace trelvo::win32
