// SVG export: the same primitives written as SVG elements.
#include "viewer/svg_writer.h"

#include "viewer/scene_builder.h"
#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

namespace trelvo::viewer {
namespace {

using namespace testing;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

Scene SmallScene() {
    Scene scene;
    scene.width = 640;
    scene.height = 480;
    return scene;
}

TEST(SvgWriter, WritesADocumentOfTheScenesSize) {
    const std::string svg = WriteSvg(SmallScene());
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_TRUE(Contains(svg, "width=\"640\" height=\"480\" viewBox=\"0 0 640 480\""));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

TEST(SvgWriter, WritesLinesWithTheirColourWidthAndStyle) {
    Scene scene = SmallScene();
    scene.Add(Role::DeformedBar, LinePrim{{60, 320}, {392.988, 78.4252}, {178, 24, 43}, 3.0});
    scene.Add(Role::DeformedBar, LinePrim{{1, 2}, {3, 4}, {33, 102, 172}, 3.0, Stroke::Dashed});
    scene.Add(Role::OverflowBar, LinePrim{{1, 2}, {3, 4}, {170, 0, 170}, 2.0, Stroke::Dotted});
    const std::string svg = WriteSvg(scene);
    EXPECT_TRUE(Contains(svg,
                         "<line x1=\"60\" y1=\"320\" x2=\"392.99\" y2=\"78.43\" stroke=\"#b2182b\" "
                         "stroke-width=\"3\" stroke-linecap=\"round\"/>"));
    EXPECT_TRUE(Contains(svg, "stroke=\"#2166ac\" stroke-width=\"3\" stroke-dasharray=\"12,6\""));
    EXPECT_TRUE(Contains(svg, "stroke=\"#aa00aa\" stroke-width=\"2\" stroke-dasharray=\"2,4\""));
}

TEST(SvgWriter, GroupsRunsOfOneRole) {
    Scene scene = SmallScene();
    scene.Add(Role::DeformedBar, LinePrim{});
    scene.Add(Role::DeformedBar, LinePrim{});
    scene.Add(Role::Node, CirclePrim{{5, 6}, 3.5, Rgb{40, 40, 40}, {}, 1.0});
    const std::string svg = WriteSvg(scene);
    EXPECT_EQ(Count(svg, "<g class=\"deformed-bar\">"), 1u);
    EXPECT_EQ(Count(svg, "<g class=\"node\">"), 1u);
    EXPECT_EQ(Count(svg, "</g>"), 2u);
    EXPECT_TRUE(
        Contains(svg, "<circle cx=\"5\" cy=\"6\" r=\"3.5\" fill=\"#282828\" stroke=\"none\""));
}

TEST(SvgWriter, WritesTextAsUtf8WithMarkupEscaped) {
    Scene scene = SmallScene();
    scene.Add(Role::Caption, TextPrim{{12, 22},
                                      "Br\xFC"
                                      "cke <A&B> \xD7 2",
                                      {30, 30, 30},
                                      13.0,
                                      Anchor::Middle,
                                      true});
    const std::string svg = WriteSvg(scene);
    EXPECT_TRUE(Contains(svg, "text-anchor=\"middle\" font-weight=\"bold\">Br\xC3\xBC"
                              "cke &lt;A&amp;B&gt; \xC3\x97 2</text>"));
    EXPECT_EQ(XmlText(std::string("a\x01"
                                  "b")),
              "a?b");
}

TEST(SvgWriter, WritesTheRampAsAGradientFromBottomToTop) {
    Scene scene = SmallScene();
    scene.Add(Role::Legend,
              RampPrim{{610, 58, 18, 240}, {{0.0, {33, 102, 172}}, {1.0, {178, 24, 43}}}});
    const std::string svg = WriteSvg(scene);
    EXPECT_TRUE(Contains(svg, "<linearGradient id=\"ramp1\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">"
                              "<stop offset=\"0\" stop-color=\"#2166ac\"/><stop offset=\"1\" "
                              "stop-color=\"#b2182b\"/></linearGradient>"));
    EXPECT_TRUE(Contains(
        svg, "<rect x=\"610\" y=\"58\" width=\"18\" height=\"240\" fill=\"url(#ramp1)\"/>"));
}

TEST(SvgWriter, WritesTheWholeViewOfAModel) {
    Camera camera;
    camera.SetTarget({6.0, 3.0, 0.0});
    camera.SetScale(40.0);
    camera.SetOrigin({300.0, 200.0});
    ViewOptions options;
    options.magnification = 1000.0;
    const std::string svg = WriteSvg(BuildScene(HelpExampleModel(), camera, options, 800, 450));
    EXPECT_TRUE(
        Contains(svg, "<line x1=\"60\" y1=\"320\" x2=\"392.99\" y2=\"78.43\" stroke=\"#b2182b\""));
    EXPECT_TRUE(Contains(svg, ">-6.131E+02</text>") || Contains(svg, ">-8.503E+02</text>"));
    EXPECT_TRUE(Contains(svg, ">EXAMPLE 2D TRUSS</text>"));
}

} // namespace
} // namespace trelvo::viewer
