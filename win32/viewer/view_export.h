#pragma once

#include "win32/viewer/gdiplus_api.h"
#include "viewer/scene.h"

#include <string>

namespace trelvo::win32 {

// The bitmap in PNG, by GDI+'s own encoder; empty when it could not be encoded.
std::string EncodePng(Gdiplus::Bitmap& bitmap);

// The scene painted at its own size, in PNG; empty when it could not be.
std::string EncodeScenePng(const viewer::Scene& scene);

} // namespace trelvo::win32
