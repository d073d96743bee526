// The legend panel at the right edge and the caption above the truss.
#include "viewer/scene_parts.h"
#include "viewer/stress_scale.h"
#include "engine/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace trelvo::viewer {
namespace {

constexpr double kPanelMargin = 8.0;
constexpr double kRampWidth = 18.0;
constexpr double kLargestRamp = 240.0;
constexpr double kSampleLength = 34.0;

Rgb Ink(const SceneContext& context, Rgb fixed) {
    return context.options.neutral.Ink(fixed);
}

std::string NumberList(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < 6; ++i)
        text += (i == 0 ? "" : ", ") + std::to_string(numbers[i]);
    return numbers.size() > 6 ? text + ", ..." : text;
}

// A short sample of a line style with its meaning; returns the next free row.
double AddSample(Scene& scene, const SceneContext& context, double x, double y,
                 const LinePrim& style, const std::string& text) {
    LinePrim line = style;
    line.from = {x, y};
    line.to = {x + kSampleLength, y};
    scene.Add(Role::Legend, line);
    scene.Add(
        Role::Legend,
        TextPrim{{x + kSampleLength + 8.0, y + 4.0}, text, Ink(context, palette::kLabel), 11.0});
    return y + 20.0;
}

double AddRamp(Scene& scene, const SceneContext& context, double x, double y, double height) {
    const Rect ramp{x, y, kRampWidth, height};
    std::vector<ColourStop> stops(StressScale::Stops().begin(), StressScale::Stops().end());
    scene.Add(Role::Legend, RampPrim{ramp, stops});
    scene.Add(Role::Legend, RectPrim{ramp, {}, Ink(context, palette::kPanelBorder), 1.0});
    for (double value : context.scale.TickValues()) {
        const double tickY = ramp.Bottom() - context.scale.Fraction(value) * ramp.height;
        scene.Add(Role::Legend, LinePrim{{ramp.Right(), tickY},
                                         {ramp.Right() + 5.0, tickY},
                                         Ink(context, palette::kLabel),
                                         1.0});
        scene.Add(Role::Legend, TextPrim{{ramp.Right() + 9.0, tickY + 4.0},
                                         ReportText(value),
                                         Ink(context, palette::kLabel),
                                         11.0});
    }
    scene.legend = LegendLayout{ramp, -context.scale.Limit(), context.scale.Limit()};
    return ramp.Bottom() + 26.0;
}

double AddOverflowEntries(Scene& scene, const SceneContext& context, double x, double y) {
    if (!context.model.AnyOverflow())
        return y;
    y = AddSample(scene, context, x, y, LinePrim{{}, {}, palette::kOverflow, 3.0, Stroke::Dotted},
                  "no value:");
    scene.Add(Role::Legend,
              TextPrim{{x, y + 2.0}, "Large Number - OverFlow", palette::kOverflow, 11.0});
    y += 24.0;
    const std::vector<int> affected = context.model.AffectedNodes();
    if (affected.empty())
        return y;
    scene.Add(Role::Legend,
              CirclePrim{{x + kSampleLength / 2.0, y}, 7.0, {}, palette::kAffectedNode, 2.0});
    scene.Add(Role::Legend, TextPrim{{x + kSampleLength + 8.0, y + 4.0},
                                     "affected: node " + NumberList(affected),
                                     palette::kAffectedNode,
                                     11.0});
    return y + 22.0;
}

std::string MagnificationText(double magnification) {
    return "deformed \xD7 " + DecimalWith(magnification, std::chars_format::general, 4);
}

} // namespace

void AddLegend(Scene& scene, const SceneContext& context, double width) {
    const Rect panel{width - kLegendWidth + kPanelMargin, kPanelMargin,
                     kLegendWidth - 2 * kPanelMargin,
                     std::max(scene.height - 2 * kPanelMargin, 1.0)};
    // The panel goes under its entries; it is cut to their height once they are laid out.
    const std::size_t panelItem = scene.items.size();
    scene.Add(Role::Legend, RectPrim{panel, context.options.neutral.Ground(palette::kPanel),
                                     Ink(context, palette::kPanelBorder), 1.0});
    const double x = panel.left + 12.0;
    double y = panel.top + 22.0;
    scene.Add(Role::Legend,
              TextPrim{{x, y}, "Stress", Ink(context, palette::kLabel), 13.0, Anchor::Start, true});
    if (!context.model.elements.empty()) {
        const double room = panel.height - 250.0;
        y = AddRamp(scene, context, x, y + 14.0, std::clamp(room, 60.0, kLargestRamp));
        y = AddSample(scene, context, x, y, LinePrim{{}, {}, ColourAtFraction(1.0), 3.0},
                      "tension");
        y = AddSample(scene, context, x, y,
                      LinePrim{{}, {}, ColourAtFraction(0.0), 3.0, Stroke::Dashed}, "compression");
    } else {
        y += 22.0;
        scene.Add(Role::Legend,
                  TextPrim{{x, y}, "no elements", Ink(context, palette::kLabel), 11.0});
        y += 22.0;
    }
    y = AddOverflowEntries(scene, context, x, y);
    y = AddSample(scene, context, x, y, LinePrim{{}, {}, Ink(context, palette::kUndeformed), 1.0},
                  "undeformed");
    y = AddSample(scene, context, x, y, LinePrim{{}, {}, Ink(context, palette::kNode), 3.0},
                  MagnificationText(context.options.magnification));
    auto& background = std::get<RectPrim>(scene.items[panelItem].shape);
    background.rect.height = std::min(panel.height, y - panel.top);
}

void AddCaption(Scene& scene, const SceneContext& context) {
    const ViewerModel& model = context.model;
    const double x = context.plot.left + 12.0;
    double y = context.plot.top + 22.0;
    scene.Add(
        Role::Caption,
        TextPrim{{x, y}, model.title, Ink(context, palette::kLabel), 13.0, Anchor::Start, true});
    std::string source = "Results: the report in the file";
    if (model.source == ResultsSource::Analysis)
        source = "Results: analysed in the viewer (the file holds no report)";
    else if (model.reportCount > 1)
        source =
            "Results: the newest of " + std::to_string(model.reportCount) + " reports in the file";
    y += 18.0;
    scene.Add(Role::Caption, TextPrim{{x, y}, source, Ink(context, {100, 100, 100}), 11.0});
    if (model.misreadFieldCount > 0) {
        // The desktop program warns of these once; the picture keeps saying so.
        y += 17.0;
        const int count = model.misreadFieldCount;
        scene.Add(Role::Caption,
                  TextPrim{{x, y},
                           std::to_string(count) + (count == 1 ? " field" : " fields") +
                               " read only in part",
                           palette::kAffectedNode, 11.0});
    }
    if (!model.warning)
        return;
    const std::string& text = model.warning->text;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        y += 17.0;
        scene.Add(Role::Caption, TextPrim{{x, y},
                                          text.substr(start, end - start),
                                          palette::kAffectedNode,
                                          11.0,
                                          Anchor::Start,
                                          true});
        start = end + 2;
    }
}

} // namespace trelvo::viewer
