#include "qt/viewer/qt_view_export.h"

#include "qt/viewer/qt_scene_painter.h"
#include "viewer/svg_writer.h"

#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace trelvo::qt {

QImage RenderScene(const viewer::Scene& scene) {
    const QSize size(std::max(1, static_cast<int>(std::lround(scene.width))),
                     std::max(1, static_cast<int>(std::lround(scene.height))));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintScene(painter, scene);
    return image;
}

bool ExportPng(const viewer::Scene& scene, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && RenderScene(scene).save(&file, "PNG") &&
           file.commit();
}

bool ExportSvg(const viewer::Scene& scene, const QString& path) {
    const std::string svg = viewer::WriteSvg(scene);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(svg.data(), static_cast<qint64>(svg.size())) ==
               static_cast<qint64>(svg.size()) &&
           file.commit();
}

bool PrintScene(const viewer::Scene& scene, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / std::max(scene.width, 1.0),
                                  page.height() / std::max(scene.height, 1.0));
    painter.scale(scale, scale);
    PaintScene(painter, scene);
    return painter.end();
}

} // namespace trelvo::qt
