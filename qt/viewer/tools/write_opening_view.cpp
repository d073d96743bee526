// Paints the picture a document opens with, as the Qt viewer paints it, into a PNG:
//   write_opening_view DOCUMENT WIDTH HEIGHT OUTPUT.png
// The Windows build compares its own painter's picture of the same document with it.
#include "viewer/results_file.h"
#include "qt/viewer/qt_view_export.h"
#include "viewer/view_fit.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "Usage: write_opening_view DOCUMENT WIDTH HEIGHT OUTPUT.png\n");
        return 2;
    }
    // Fonts need the application; no display is needed to paint into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const trelvo::viewer::LoadResult result = trelvo::viewer::LoadResultsFile(argv[1]);
    if (!result.model) {
        std::fprintf(stderr, "write_opening_view: %s: %s\n", argv[1], result.error->text.c_str());
        return 1;
    }
    const trelvo::viewer::Scene scene =
        trelvo::viewer::OpeningScene(*result.model, std::stod(argv[2]), std::stod(argv[3]));
    if (!trelvo::qt::ExportPng(scene, QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "write_opening_view: %s could not be written\n", argv[4]);
        return 1;
    }
    return 0;
}
