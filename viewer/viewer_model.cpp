#include "viewer_model.h"

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

} // namespace trelvo::viewer
