#include "viewer/hover_text.h"

#include "viewer/stress_scale.h"
#include "engine/decimal_text.h"

namespace trelvo::viewer {
namespace {

constexpr const char* kDirections[] = {"X", "Y", "Z"};

std::string Fixities(const ViewerNode& node) {
    std::string text;
    for (std::size_t d = 0; d < 3; ++d)
        if (node.fixed[d])
            text += std::string(" ") + kDirections[d];
    return text.empty() ? "free" : "fixed" + text;
}

std::string Loads(const ViewerNode& node) {
    const double components[] = {node.load.x, node.load.y, node.load.z};
    std::string text;
    for (std::size_t d = 0; d < 3; ++d)
        if (components[d] != 0.0)
            text += std::string(" ") + kDirections[d] + " " + ReportText(components[d]);
    return text.empty() ? "" : "   load" + text;
}

std::string Displacements(const ViewerNode& node) {
    std::string text = "displacement";
    for (std::size_t d = 0; d < 3; ++d)
        text += std::string(" ") + kDirections[d] + " " + node.displacement[d].text;
    return text;
}

// The reactions at the fixed directions; a free direction has none to list.
std::string Reactions(const ViewerNode& node) {
    std::string text;
    for (std::size_t d = 0; d < 3; ++d)
        if (node.reaction[d])
            text += std::string(" ") + kDirections[d] + " " + node.reaction[d]->text;
    return text.empty() ? "" : "   reaction" + text;
}

const char* Sense(const ReportValue& stress) {
    if (stress.overflow)
        return "";
    return stress.value > 0.0 ? " (tension)" : stress.value < 0.0 ? " (compression)" : "";
}

} // namespace

std::string ShortNumber(double value) {
    return ShortestDecimal(value);
}

std::string DescribeNode(const ViewerModel& model, int number) {
    const ViewerNode& node = model.Node(number);
    const Vec3& p = node.position;
    std::string text = "Node " + std::to_string(number) + "   at (" + ShortNumber(p.x) + ", " +
                       ShortNumber(p.y) + ", " + ShortNumber(p.z) + ")   " + Fixities(node) +
                       Loads(node) + Reactions(node) + "   " + Displacements(node);
    return node.HasOverflow() ? text + "   (no deformed position)" : text;
}

std::string DescribeElement(const ViewerModel& model, int number) {
    const ViewerElement& element = model.elements[static_cast<std::size_t>(number - 1)];
    return "Element " + std::to_string(number) + "   nodes " + std::to_string(element.node1) + "-" +
           std::to_string(element.node2) + "   stress " + element.stress.text +
           Sense(element.stress) + "   internal force " + element.force.text;
}

std::string DescribePick(const ViewerModel& model, const Pick& pick) {
    return pick.kind == Pick::Kind::Node ? DescribeNode(model, pick.number)
                                         : DescribeElement(model, pick.number);
}

} // namespace trelvo::viewer
