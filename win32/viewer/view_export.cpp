#include "win32/viewer/view_export.h"

#include "win32/viewer/scene_bitmap.h"

#include <cmath>
#include <vector>
#include <wchar.h>

namespace trelvo::win32 {
namespace {

bool PngEncoder(CLSID& encoder) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (::wcscmp(encoders[i].MimeType, L"image/png") == 0) {
            encoder = encoders[i].Clsid;
            return true;
        }
    return false;
}

// What a stream in memory holds, from its start.
std::string StreamBytes(IStream& stream) {
    STATSTG status{};
    LARGE_INTEGER start{};
    if (stream.Stat(&status, STATFLAG_NONAME) != S_OK || stream.Seek(start, STREAM_SEEK_SET, nullptr) != S_OK)
        return {};
    std::string bytes(static_cast<std::size_t>(status.cbSize.QuadPart), '\0');
    ULONG read = 0;
    if (stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read) != S_OK || read != bytes.size())
        return {};
    return bytes;
}

} // namespace

// Encoded in memory first, so that the file is replaced in one step, as the SVG is.
std::string EncodePng(Gdiplus::Bitmap& bitmap) {
    CLSID encoder{};
    IStream* stream = nullptr;
    if (!PngEncoder(encoder) || ::CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK)
        return {};
    std::string bytes;
    if (bitmap.Save(stream, &encoder, nullptr) == Gdiplus::Ok)
        bytes = StreamBytes(*stream);
    stream->Release();
    return bytes;
}

std::string EncodeScenePng(const viewer::Scene& scene) {
    const auto bitmap = SceneBitmap::Make(
        SIZE{static_cast<LONG>(std::lround(scene.width)), static_cast<LONG>(std::lround(scene.height))});
    if (!bitmap)
        return {};
    bitmap->Paint(scene);
    return EncodePng(bitmap->Image());
}

} // namespace trelvo::win32
