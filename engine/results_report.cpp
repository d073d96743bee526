#include "engine/results_report.h"

#include "engine/number_format.h"

namespace trelvo {
namespace {

constexpr int kReportDigits = 4;

std::string Number(double value) { return ReportNumber(value); }

} // namespace

std::string ReportNumber(double value) { return formatNumber(value, kReportDigits); }

std::string FormatAdjustedMatrixRows(const AnalysisResults& results) {
    std::string text;
    for (const std::vector<double>& row : results.adjustedMatrix) {
        for (double value : row)
            text += Number(value) + "  ";
        text += "\r\n";
    }
    return text;
}

std::string FormatResultSections(const AnalysisResults& results) {
    std::string text = " \r\nNode: Displacement (X,Y,Z)\r\n";
    for (std::size_t node = 0; node < results.displacements.size(); ++node) {
        text += std::to_string(node + 1) + "  ";
        for (double value : results.displacements[node])
            text += Number(value) + "  ";
        text += "\r\n";
    }
    text += " \r\nElement: Stress, Internal Force \r\n";
    for (std::size_t e = 0; e < results.elements.size(); ++e)
        text += std::to_string(e + 1) + "  " + Number(results.elements[e].stress) + "   " +
                Number(results.elements[e].force) + "\r\n";
    return text;
}

} // namespace trelvo
