#pragma once

#include "gdiplus_api.h"
#include "scene.h"

#include <string>

namespace trelvo::vantrel_win32 {

// The bitmap in PNG, by GDI+'s own encoder; empty when it could not be encoded.
std::string EncodePng(Gdiplus::Bitmap& bitmap);

// Each returns whether the file was written completely; a file that was not keeps what
// it held.
bool ExportPng(const viewer::Scene& scene, const std::string& path);
bool ExportSvg(const viewer::Scene& scene, const std::string& path);

} // namespace trelvo::vantrel_win32
