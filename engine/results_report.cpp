#include "results_report.h"

#include "number_format.h"

#include <algorithm>
#include <string>

namespace trelvo {
namespace {

constexpr int kReportDigits = 4;

std::string Number(double value) { return formatNumber(value, kReportDigits); }

void AppendAdjustedMatrix(const TrussModel& model, EditorText& editor) {
    // Past the last line: adds a line break, the heading and a line break.
    editor.InsertLine(editor.LineCount(), "**Adjusted K \r\n");
    for (int i = 1; i <= model.dofCount; ++i) {
        std::string row;
        for (int j = 1; j <= model.dofCount; ++j)
            row += Number(model.stiffnessMatrix[i][j]) + "  ";
        AppendText(editor, row + "\r\n");
    }
}

SolveReport Solve(TrussModel& model) {
    const int n = model.dofCount;
    for (int i = 1; i <= n; ++i) {
        model.stiffnessMatrix[i][n + 1] = model.loadVector[i];
        model.displacement[i] = 0.0;
    }
    // A model without nodes still prints one row for node 1; clear what it reads so that
    // the row cannot show an earlier model's displacements.
    for (int i = n + 1; i <= 3; ++i)
        model.displacement[i] = 0.0;
    return SolveEquations(model, n, n + 1);
}

// The factor that brings displacements and stresses back to the deck's units: the scale
// of the element on the last element line, or 1 for a deck without element lines.
double UnscalingFactor(const TrussModel& model) {
    return model.lastElementNumber == 0 ? 1.0 : model.modulusScale[model.lastElementNumber];
}

class SectionWriter {
public:
    SectionWriter(EditorText& editor, int position) : editor_(editor), position_(position) {}

    void Insert(const std::string& text, int lines) {
        InsertTextAtLine(editor_, position_, text);
        position_ += lines;
    }

private:
    EditorText& editor_;
    int position_;
};

void WriteDisplacements(TrussModel& model, double s, SectionWriter& writer) {
    writer.Insert(" \r\nNode: Displacement (X,Y,Z)\r\n", 2);
    int d = 1;
    int k = 1;
    do { // runs once even for a model without nodes
        std::string line = std::to_string(k) + "  ";
        for (int direction = 1; direction <= 3; ++direction) {
            model.displacement[d] = model.displacement[d] / s;
            line += Number(model.displacement[d]) + "  ";
            ++d;
        }
        writer.Insert(line + "\r\n", 1);
        ++k;
    } while (d <= model.dofCount);
}

void WriteElements(const TrussModel& model, double s, SectionWriter& writer) {
    writer.Insert(" \r\nElement: Stress, Internal Force \r\n", 2);
    const auto& u = model.displacement;
    for (int e = 1; e <= model.elementCount; ++e) {
        const int p = 3 * (model.node1[e] - 1);
        const int q = 3 * (model.node2[e] - 1);
        const double cx = model.cosX[e], cy = model.cosY[e], cz = model.cosZ[e];
        // Elongation, stress and force in exactly this order of operations.
        const double a = (-cx) * u[p + 1] + (-cy) * u[p + 2] + (-cz) * u[p + 3];
        const double delta = a + cx * u[q + 1] + cy * u[q + 2] + cz * u[q + 3];
        const double sigma = ((delta * model.axialStiffness[e]) / model.area[e]) * s;
        const double force = sigma * model.area[e];
        writer.Insert(std::to_string(e) + "  " + Number(sigma) + "   " + Number(force) + "\r\n",
                      1);
    }
}

} // namespace

SolveReport WriteResultsReport(TrussModel& model, EditorText& editor) {
    AppendText(editor, "\r\n");
    if (model.printAdjustedK)
        AppendAdjustedMatrix(model, editor);

    const SolveReport solved = Solve(model);

    // Directly after the deck's last element line when the editor holds the deck first.
    const int position = std::min(editor.LineCount(), model.nodeCount + model.elementCount + 1) + 1;
    SectionWriter writer(editor, position);
    const double s = UnscalingFactor(model);
    WriteDisplacements(model, s, writer);
    WriteElements(model, s, writer);
    return solved;
}

} // namespace trelvo
