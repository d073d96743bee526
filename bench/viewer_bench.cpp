// The viewer on a 50-node, 50-element results file, offscreen: opening it and drawing the
// first frame (budget 300 ms), and one redraw after a rotation step (budget 5 ms).
// Repeated runs print their median.
#include "bench/bench_decks.h"
#include "text/deck_document.h"
#include "viewer/magnification.h"
#include "viewer/results_file.h"
#include "engine/run_analysis.h"
#include "viewer/scene_builder.h"
#include "qt/viewer/qt_scene_painter.h"
#include "text/text_model.h"
#include "qt/viewer/qt_truss_view.h"
#include "viewer/view_fit.h"
#include "qt/viewer/qt_viewer_window.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace trelvo;

constexpr int kWidth = 1100;
constexpr int kHeight = 680;

const std::string& FiftyNodeResultsFile() {
    static const std::string path = [] {
        const std::string deck = bench::FiftyNodeSpaceDeck();
        const auto tables = std::make_unique<TrussModel>();
        TextModel editor;
        AnalyseDeckDocument(*tables, deck, editor);
        return bench::WriteTemporaryDeck("vantrel-bench-50-RZ.TXT", editor.GetText());
    }();
    return path;
}

void Paint(const viewer::Scene& scene, QImage& image) {
    QPainter painter(&image);
    qt::PaintScene(painter, scene);
}

// Reading the file (with the engine's analysis of its deck), fitting the view, building
// the picture and painting it.
void BM_FirstFrameIntoImage(benchmark::State& state) {
    const std::string& path = FiftyNodeResultsFile();
    for (auto _ : state) {
        QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        const viewer::LoadResult result = viewer::LoadResultsFile(path);
        if (!result.model) {
            state.SkipWithError("the results file was not read");
            break;
        }
        viewer::ViewOptions options;
        options.magnification = viewer::InitialMagnification(*result.model);
        viewer::Camera camera;
        viewer::ResetCamera(camera, *result.model, options.magnification, kWidth, kHeight);
        Paint(viewer::BuildScene(*result.model, camera, options, kWidth, kHeight), image);
        benchmark::DoNotOptimize(image.bits());
    }
}

// The program's own path: the window is made, opens the file and its view paints.
void BM_FirstFrameOfTheWindow(benchmark::State& state) {
    const QString path = QString::fromStdString(FiftyNodeResultsFile());
    for (auto _ : state) {
        qt::ViewerWindow window;
        window.resize(kWidth, kHeight);
        if (!window.OpenFile(path)) {
            state.SkipWithError("the results file was not opened");
            break;
        }
        const QPixmap frame = window.View().grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
}

void BM_RedrawAfterRotationStep(benchmark::State& state) {
    const viewer::LoadResult result = viewer::LoadResultsFile(FiftyNodeResultsFile());
    viewer::ViewOptions options;
    options.magnification = viewer::InitialMagnification(*result.model);
    options.showElementNumbers = state.range(0) != 0;
    viewer::Camera camera;
    viewer::ResetCamera(camera, *result.model, options.magnification, kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        camera.Rotate(3.0, 1.0);
        Paint(viewer::BuildScene(*result.model, camera, options, kWidth, kHeight), image);
        benchmark::DoNotOptimize(image.bits());
    }
}

} // namespace

BENCHMARK(BM_FirstFrameIntoImage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstFrameOfTheWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RedrawAfterRotationStep)
    ->ArgName("elementNumbers")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
