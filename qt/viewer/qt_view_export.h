#pragma once

#include "viewer/scene.h"

#include <QImage>
#include <QString>

#include <string>

class QPrinter;

namespace trelvo::qt {

// The scene drawn into an image of its own size.
QImage RenderScene(const viewer::Scene& scene);

// The scene's image in PNG; empty when it could not be encoded.
std::string EncodeScenePng(const viewer::Scene& scene);

// Whether the file was written completely.
bool ExportPng(const viewer::Scene& scene, const QString& path);

// Prints the scene on one page, scaled to the printable area with its proportions kept.
bool PrintScene(const viewer::Scene& scene, QPrinter& printer);

} // namespace trelvo::qt
