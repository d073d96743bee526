#include "viewer/viewer_texts.h"

#include <string>

namespace trelvo::viewer {

std::string SummaryText(const ViewerModel& model) {
    std::string text = std::to_string(model.nodes.size()) + " nodes, " +
                       std::to_string(model.elements.size()) + " elements";
    if (model.source == ResultsSource::Analysis)
        return text + "   analysed in the viewer";
    if (model.reportCount > 1)
        return text + "   newest of " + std::to_string(model.reportCount) + " reports";
    return text + "   from the report";
}

std::string WindowTitle(const std::string& fileName) {
    return "Vantrel - " + fileName;
}

} // namespace trelvo::viewer
