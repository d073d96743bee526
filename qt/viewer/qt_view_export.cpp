#include "qt/viewer/qt_view_export.h"

#include "qt/viewer/qt_scene_painter.h"

#include <QBuffer>
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

std::string EncodeScenePng(const viewer::Scene& scene) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!RenderScene(scene).save(&buffer, "PNG"))
        return {};
    return buffer.data().toStdString();
}

bool ExportPng(const viewer::Scene& scene, const QString& path) {
    const std::string png = EncodeScenePng(scene);
    QSaveFile file(path);
    return !png.empty() && file.open(QIODevice::WriteOnly) &&
           file.write(png.data(), static_cast<qint64>(png.size())) == static_cast<qint64>(png.size()) &&
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
