#pragma once

#include "win32/viewer/gdiplus_api.h"
#include "viewer/scene.h"

#include <string>

namespace trelvo::win32 {

// The bitmap in PNG, by GDI+'s own encoder; empty when it could not be encoded.
std::string EncodePng(Gdiplus::Bitmap& bitmap);

// Each returns whether the file was written completely; a file that was not keeps what
// it held.
bool ExportPng(const viewer::Scene& scene, const std::string& path);
bool ExportSvg(const viewer::Scene& scene, const std::string& path);

} // namespace trelvo::win32
