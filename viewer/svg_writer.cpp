#include "viewer/svg_writer.h"

#include "engine/decimal_text.h"

#include <cmath>

namespace trelvo::viewer {
namespace {

std::string Num(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    std::string text = DecimalWith(value, std::chars_format::fixed, 2);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string Colour(Rgb c) {
    static const char* hex = "0123456789abcdef";
    std::string text = "#";
    for (std::uint8_t channel : {c.r, c.g, c.b}) {
        text += hex[channel >> 4];
        text += hex[channel & 15];
    }
    return text;
}

std::string Paint(const std::optional<Rgb>& colour) {
    return colour ? Colour(*colour) : "none";
}

std::string StrokeStyle(Stroke stroke, double width) {
    switch (stroke) {
    case Stroke::Dashed:
        return " stroke-dasharray=\"" + Num(4 * width) + "," + Num(2 * width) +
               "\" stroke-linecap=\"butt\"";
    case Stroke::Dotted:
        return " stroke-dasharray=\"" + Num(width) + "," + Num(2 * width) +
               "\" stroke-linecap=\"butt\"";
    case Stroke::Solid:
        break;
    }
    return " stroke-linecap=\"round\"";
}

class SvgOut {
  public:
    std::string text;
    int ramps = 0;

    void operator()(const LinePrim& l) {
        text += "<line x1=\"" + Num(l.from.x) + "\" y1=\"" + Num(l.from.y) + "\" x2=\"" +
                Num(l.to.x) + "\" y2=\"" + Num(l.to.y) + "\" stroke=\"" + Colour(l.colour) +
                "\" stroke-width=\"" + Num(l.width) + "\"" + StrokeStyle(l.stroke, l.width) +
                "/>\n";
    }
    void operator()(const PolygonPrim& p) {
        text += "<polygon points=\"";
        for (std::size_t i = 0; i < p.points.size(); ++i)
            text += (i ? " " : "") + Num(p.points[i].x) + "," + Num(p.points[i].y);
        text += "\" fill=\"" + Colour(p.fill) + "\"/>\n";
    }
    void operator()(const CirclePrim& c) {
        text += "<circle cx=\"" + Num(c.centre.x) + "\" cy=\"" + Num(c.centre.y) + "\" r=\"" +
                Num(c.radius) + "\" fill=\"" + Paint(c.fill) + "\" stroke=\"" + Paint(c.outline) +
                "\" stroke-width=\"" + Num(c.width) + "\"/>\n";
    }
    void operator()(const RectPrim& r) {
        text += "<rect x=\"" + Num(r.rect.left) + "\" y=\"" + Num(r.rect.top) + "\" width=\"" +
                Num(r.rect.width) + "\" height=\"" + Num(r.rect.height) + "\" fill=\"" +
                Paint(r.fill) + "\" stroke=\"" + Paint(r.outline) + "\" stroke-width=\"" +
                Num(r.width) + "\"/>\n";
    }
    void operator()(const TextPrim& t) {
        static const char* anchors[] = {"start", "middle", "end"};
        text += "<text x=\"" + Num(t.at.x) + "\" y=\"" + Num(t.at.y) +
                "\" font-family=\"sans-serif\" font-size=\"" + Num(t.size) + "\" fill=\"" +
                Colour(t.colour) + "\" text-anchor=\"" + anchors[static_cast<int>(t.anchor)] +
                "\"" + (t.bold ? " font-weight=\"bold\"" : "") + ">" + XmlText(t.text) +
                "</text>\n";
    }
    void operator()(const RampPrim& r) {
        const std::string id = "ramp" + std::to_string(++ramps);
        text += "<defs><linearGradient id=\"" + id + "\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">";
        for (const ColourStop& stop : r.stops)
            text += "<stop offset=\"" + Num(stop.fraction) + "\" stop-color=\"" +
                    Colour(stop.colour) + "\"/>";
        text += "</linearGradient></defs>\n<rect x=\"" + Num(r.rect.left) + "\" y=\"" +
                Num(r.rect.top) + "\" width=\"" + Num(r.rect.width) + "\" height=\"" +
                Num(r.rect.height) + "\" fill=\"url(#" + id + ")\"/>\n";
    }
};

} // namespace

const char* RoleName(Role role) {
    static const char* names[] = {"background",     "axes",          "undeformed-bar",
                                  "support",        "load",          "reaction",
                                  "highlight",      "deformed-bar",  "overflow-bar",
                                  "node",           "affected-node", "node-number",
                                  "element-number", "legend",        "caption"};
    static_assert(sizeof names / sizeof names[0] == static_cast<std::size_t>(Role::Caption) + 1);
    return names[static_cast<int>(role)];
}

std::string XmlText(const std::string& latin1) {
    std::string text;
    for (unsigned char c : latin1) {
        if (c == '&')
            text += "&amp;";
        else if (c == '<')
            text += "&lt;";
        else if (c == '>')
            text += "&gt;";
        else if (c == '"')
            text += "&quot;";
        else if (c < 0x20 && c != '\t')
            text += '?';
        else if (c < 0x80)
            text += static_cast<char>(c);
        else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

std::string WriteSvg(const Scene& scene) {
    SvgOut out;
    out.text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
               Num(scene.width) + "\" height=\"" + Num(scene.height) + "\" viewBox=\"0 0 " +
               Num(scene.width) + " " + Num(scene.height) + "\">\n";
    const Primitive* previous = nullptr;
    for (const Primitive& item : scene.items) {
        if (!previous || previous->role != item.role) {
            if (previous)
                out.text += "</g>\n";
            out.text += "<g class=\"" + std::string(RoleName(item.role)) + "\">\n";
        }
        std::visit(out, item.shape);
        previous = &item;
    }
    if (previous)
        out.text += "</g>\n";
    out.text += "</svg>\n";
    return out.text;
}

} // namespace trelvo::viewer
