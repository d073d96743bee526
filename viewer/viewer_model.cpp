#include "viewer/viewer_model.h"

#include <algorithm>
#include <cmath>

namespace trelvo::viewer {

bool ViewerModel::AnyOverflow() const {
    for (const ViewerNode& node : nodes)
        if (node.HasOverflow())
            return true;
    for (const ViewerElement& element : elements)
        if (element.stress.overflow || element.force.overflow)
            return true;
    return false;
}

std::vector<int> ViewerModel::AffectedNodes() const {
    std::vector<int> affected;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].HasOverflow())
            affected.push_back(static_cast<int>(i) + 1);
    return affected;
}

double ViewerModel::LargestReaction() const {
    double largest = 0.0;
    for (const ViewerNode& node : nodes)
        for (const std::optional<ReportValue>& reaction : node.reaction)
            if (reaction && reaction->IsNumber())
                largest = std::max(largest, std::abs(reaction->value));
    return largest;
}

} // namespace trelvo::viewer
