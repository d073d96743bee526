// The example deck rendered offscreen: the deformed bars must stand where the report's
// displacements put them, in the legend's colour for their stress.
#include "qt/viewer/qt_truss_view.h"
#include "tests/viewer/front_camera.h"
#include "tests/viewer/scripted_viewer_ports.h"
#include "viewer/viewer_core.h"

#include "viewer/results_file.h"
#include "tests/viewer/results_texts.h"
#include "viewer/scene_builder.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>

namespace trelvo::qt {
namespace {

using namespace viewer;
using namespace viewer::testing;

constexpr int kWidth = 800;
constexpr int kHeight = 450;
constexpr double kMagnification = 3000.0;
constexpr int kTolerance = 12; // per channel, for anti-aliasing and the ramp's colour table

// X right, Y up, 40 pixels per unit, the model point (6, 3) at pixel (300, 200).
Point2 Screen(double x, double y) {
    return {300.0 + 40.0 * (x - 6.0), 200.0 - 40.0 * (y - 3.0)};
}

QRgb PixelAt(const QImage& image, Point2 p) {
    return image.pixel(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)));
}

bool Near(QRgb a, QRgb b, int tolerance = kTolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

Point2 Between(Point2 a, Point2 b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

class TrussViewPixels : public ::testing::Test {
  protected:
    void Show(const std::string& document) {
        LoadResult result = ReadResultsText(document, "test");
        ASSERT_TRUE(result.model.has_value());
        model_ = *result.model;
        view_.resize(kWidth, kHeight);
        core_.ShowDocument("test", std::move(result));
        core_.State().SetMagnification(kMagnification);
        core_.State().SetOption(&ViewOptions::showNodeNumbers, false);
        core_.State().SetCamera(FrontCamera());
        image_ = view_.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image_.size(), QSize(kWidth, kHeight));
    }

    // Where a node's deformed shape is drawn, from its coordinates and report numbers.
    Point2 Deformed(int node) const {
        const ViewerNode& n = model_.Node(node);
        return Screen(n.position.x + kMagnification * n.displacement[0].value,
                      n.position.y + kMagnification * n.displacement[1].value);
    }

    // The legend ramp's own pixel for a stress, a little inside its border.
    QRgb LegendColour(double stress) const {
        const LegendLayout legend = *core_.State().ExportScene(kWidth, kHeight).legend;
        const double fraction = (stress - legend.lowValue) / (legend.highValue - legend.lowValue);
        const double y = std::clamp(legend.ramp.Bottom() - fraction * legend.ramp.height,
                                    legend.ramp.top + 2.0, legend.ramp.Bottom() - 2.0);
        return PixelAt(image_, {legend.ramp.Centre().x, y});
    }

    // How many of the samples along the middle of a segment have the colour.
    double ShareWithColour(Point2 from, Point2 to, QRgb colour) const {
        int hits = 0, samples = 0;
        for (double t = 0.15; t <= 0.85; t += 0.01, ++samples)
            hits += Near(PixelAt(image_, Between(from, to, t)), colour);
        return static_cast<double>(hits) / samples;
    }

    ScriptedViewerPorts ports_;
    ViewerCore core_{ports_.Ports()};
    TrussView view_{core_};
    ViewerModel model_;
    QImage image_;
};

TEST_F(TrussViewPixels, DrawsTheTensionBarWhereTheDisplacementsPutItInItsLegendColour) {
    Show(AnalysedDocument(ExampleDeck("help-example.txt")));
    const QRgb tension = LegendColour(model_.elements[0].stress.value);
    EXPECT_GT(qRed(tension), qBlue(tension) + 60) << "the ramp's tension end is red";
    EXPECT_GE(ShareWithColour(Screen(0, 0), Deformed(2), tension), 0.95);
    // Not where the bar stood before the load.
    EXPECT_LE(ShareWithColour(Screen(0, 0), Screen(8, 6), tension), 0.1);
}

TEST_F(TrussViewPixels, DrawsTheCompressionBarDashedInItsLegendColour) {
    Show(AnalysedDocument(ExampleDeck("help-example.txt")));
    const QRgb compression = LegendColour(model_.elements[1].stress.value);
    EXPECT_GT(qBlue(compression), qRed(compression) + 60) << "the compression side is blue";
    const double share = ShareWithColour(Deformed(2), Screen(12, 0), compression);
    // Dashes of 12 pixels with gaps of 6: about two thirds of the bar is coloured.
    EXPECT_GE(share, 0.5);
    EXPECT_LE(share, 0.85);
    const QRgb tension = LegendColour(model_.elements[0].stress.value);
    EXPECT_EQ(ShareWithColour(Deformed(2), Screen(12, 0), tension), 0.0);
}

// The undeformed bars are thin grey lines: some pixel next to each point of them is
// clearly inked and without hue.
TEST_F(TrussViewPixels, DrawsTheUndeformedShapeInGreyUnderneath) {
    Show(AnalysedDocument(ExampleDeck("help-example.txt")));
    for (double t = 0.15; t <= 0.85; t += 0.05) {
        const Point2 p = Between(Screen(0, 0), Screen(8, 6), t);
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QRgb pixel = PixelAt(image_, {p.x + dx, p.y + dy});
                if (std::abs(qRed(pixel) - qBlue(pixel)) <= 4 &&
                    std::abs(qRed(pixel) - qGreen(pixel)) <= 4)
                    darkest = std::min(darkest, qGreen(pixel));
            }
        EXPECT_LT(darkest, 225) << "t = " << t;
    }
}

TEST_F(TrussViewPixels, MarksTheNodeOfAnUnstableModelWithoutDrawingItsDeformedShape) {
    Show(ResultsFile(kMechanismDeck, {kMechanismReport}));
    // Node 2 of the mechanism stands at (1, 0); its mark is a red ring of radius 9.
    const Point2 node = Screen(1, 0);
    const QRgb red = qRgb(215, 25, 25);
    int onRing = 0;
    for (int step = 0; step < 16; ++step) {
        const double angle = step * 3.14159265358979 / 8.0;
        onRing +=
            Near(PixelAt(image_, {node.x + 9.0 * std::cos(angle), node.y + 9.0 * std::sin(angle)}),
                 red, 40);
    }
    EXPECT_GE(onRing, 12);
    // The bar stays at its place, dotted in the overflow colour: nothing of it in stress colours.
    const QRgb magenta = qRgb(170, 0, 170);
    EXPECT_GE(ShareWithColour(Screen(0, 0), node, magenta), 0.2);
}

} // namespace
} // namespace trelvo::qt
