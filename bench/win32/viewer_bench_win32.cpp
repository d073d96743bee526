// The Windows viewer on a 50-node, 50-element results file, as bench/viewer_bench.cpp
// measures the Qt viewer: opening it and drawing the first frame (target 300 ms), and one
// redraw after a rotation step (target 10 ms). Prints the median of each; run it under
// Wine: viewer_bench_win32 [RUNS].
#include "bench/bench_decks.h"
#include "bench/bench_timing.h"
#include "text/deck_document.h"
#include "win32/viewer/gdiplus_session.h"
#include "viewer/magnification.h"
#include "viewer/results_file.h"
#include "engine/run_analysis.h"
#include "win32/viewer/scene_bitmap.h"
#include "viewer/scene_builder.h"
#include "text/text_model.h"
#include "viewer/view_fit.h"
#include "win32/viewer/viewer_window.h"

#include <commctrl.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace trelvo;

constexpr SIZE kSize{1100, 680};

std::string FiftyNodeResultsFile() {
    const auto tables = std::make_unique<TrussModel>();
    TextModel editor;
    AnalyseDeckDocument(*tables, bench::FiftyNodeSpaceDeck(), editor);
    return bench::WriteTemporaryDeck("vantrel-bench-50-RZ.TXT", editor.GetText());
}

// Reading the file (with the engine's analysis of its deck), fitting the view, building
// the picture and painting it into a bitmap of its own.
void FirstFrameIntoBitmap(const std::string& path) {
    const viewer::LoadResult result = viewer::LoadResultsFile(path);
    const auto bitmap = win32::SceneBitmap::Make(kSize);
    bitmap->Paint(viewer::OpeningScene(*result.model, kSize.cx, kSize.cy));
}

// The program's own path: the window is made, opens the file and its view paints.
void FirstFrameOfTheWindow(const std::string& path) {
    win32::ViewerWindow window(::GetModuleHandleA(nullptr));
    ::MoveWindow(window.Handle(), 0, 0, kSize.cx, kSize.cy, FALSE);
    window.OpenFile(path);
    ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    ::RedrawWindow(window.View().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

double RedrawAfterRotationStep(const std::string& path, bool elementNumbers, int runs) {
    const viewer::LoadResult result = viewer::LoadResultsFile(path);
    viewer::ViewOptions options;
    options.magnification = viewer::InitialMagnification(*result.model);
    options.showElementNumbers = elementNumbers;
    viewer::Camera camera;
    viewer::ResetCamera(camera, *result.model, options.magnification, kSize.cx, kSize.cy);
    const auto bitmap = win32::SceneBitmap::Make(kSize);
    return bench::MedianMilliseconds(runs, [&] {
        camera.Rotate(3.0, 1.0);
        bitmap->Paint(viewer::BuildScene(*result.model, camera, options, kSize.cx, kSize.cy));
    });
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const win32::GdiplusSession gdiplus;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    const std::string path = FiftyNodeResultsFile();
    std::printf("Vantrel37.exe, 50-node results file, %ld x %ld, median of %d runs\n", kSize.cx, kSize.cy, runs);
    bench::Report("first frame into a bitmap (read, analyse, fit, paint)",
                  bench::MedianMilliseconds(runs, [&] { FirstFrameIntoBitmap(path); }), "< 300 ms");
    bench::Report("first frame of the window (made, opened, painted)",
                  bench::MedianMilliseconds(runs, [&] { FirstFrameOfTheWindow(path); }), "< 300 ms");
    bench::Report("redraw after a rotation step", RedrawAfterRotationStep(path, false, runs * 4), "< 10 ms");
    bench::Report("redraw after a rotation step, element numbers on", RedrawAfterRotationStep(path, true, runs * 4),
                  "< 10 ms");
    return 0;
}
