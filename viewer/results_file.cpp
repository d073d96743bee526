#include "viewer/results_file.h"

#include "text/document_text.h"
#include "files/read_file.h"
#include "viewer/report_reader.h"
#include "engine/results_report.h"
#include "engine/number_format.h"
#include "engine/run_analysis.h"
#include "text/text_model.h"
#include "engine/truss_model.h"

#include <memory>

namespace trelvo::viewer {
namespace {

LoadResult Refusal(std::string title, std::string text) {
    return LoadResult{std::nullopt, ViewerMessage{std::move(title), std::move(text)}};
}

ViewerModel ModelFromTables(const TrussModel& tables) {
    ViewerModel model;
    for (int n = 1; n <= tables.nodeCount; ++n) {
        ViewerNode node;
        node.position = {tables.coord[1][n], tables.coord[2][n], tables.coord[3][n]};
        node.load = {tables.load[1][n], tables.load[2][n], tables.load[3][n]};
        for (int d = 1; d <= 3; ++d)
            node.fixed[d - 1] = tables.fixed[d][n] == 1;
        model.nodes.push_back(node);
    }
    for (int e = 1; e <= tables.elementCount; ++e)
        model.elements.push_back(ViewerElement{tables.node1[e], tables.node2[e], {}, {}});
    return model;
}

// A result as the report would print it, with the engine's own value behind the text.
ReportValue ValueOf(double value) {
    std::string text = ReportNumber(value);
    if (text == kOverflowText)
        return ReportValue{0.0, true, text};
    if (text.front() == ' ')
        text.erase(0, 1); // the blank of a positive sign
    return ReportValue{value, false, text};
}

// The sections a report of these results holds, taken from the numbers, not the text.
ReportSections SectionsOf(const AnalysisResults& results, std::size_t nodeCount) {
    ReportSections sections;
    for (std::size_t node = 0; node < nodeCount; ++node) {
        const auto& row = results.displacements[node];
        sections.displacements.push_back({ValueOf(row[0]), ValueOf(row[1]), ValueOf(row[2])});
    }
    for (const trelvo::ElementResult& element : results.elements)
        sections.elements.push_back({ValueOf(element.stress), ValueOf(element.force)});
    return sections;
}

void TakeResults(const ReportSections& sections, ViewerModel& model) {
    for (std::size_t i = 0; i < model.nodes.size(); ++i)
        model.nodes[i].displacement = sections.displacements[i];
    for (std::size_t i = 0; i < model.elements.size(); ++i) {
        model.elements[i].stress = sections.elements[i].stress;
        model.elements[i].force = sections.elements[i].force;
    }
}

// The reactions and the balance of the viewer's own run; the report prints neither.
void TakeEquilibrium(const Equilibrium& check, ViewerModel& model) {
    for (std::size_t i = 0; i < model.nodes.size() && i < check.reactions.size(); ++i)
        for (std::size_t d = 0; d < 3; ++d)
            if (const std::optional<double> reaction = check.reactions[i][d])
                model.nodes[i].reaction[d] = ValueOf(*reaction);
    model.equilibrium = EquilibriumCheck{check.residual, check.relative};
}

std::string DamageText(const std::string& name, const ReportDamage& damage) {
    return name + " holds a deck followed by a damaged results report.\r\nLine " +
           std::to_string(damage.lineNumber) + ": " + damage.problem + ".";
}

} // namespace

LoadResult ReadResultsText(std::string_view bytes, const std::string& name) {
    const auto tables = std::make_unique<TrussModel>();
    const LoadedDocument document = ReadDocumentLines(bytes);
    const AnalysisOutcome outcome = AnalyseDeck(*tables, bytes);
    if (!outcome.results) {
        const UserMessage message =
            outcome.message.value_or(UserMessage{kInputErrorsTitle, kInputErrorText});
        return Refusal(message.title, message.text);
    }
    if (tables->nodeCount == 0)
        return Refusal(kViewerTitle, name + " is neither a deck nor a results file: its second "
                                            "line gives no nodes to show.");

    ViewerModel model = ModelFromTables(*tables);
    const std::vector<std::string> lines = SplitLines(document.text);
    model.title = lines.front();
    const std::size_t deckLines = 2 + static_cast<std::size_t>(tables->nodeCount) +
                                  static_cast<std::size_t>(tables->elementCount);
    // Without a report of its own, the document shows the viewer's own run.
    const bool fileHasReport = ReportStartsAt(lines, deckLines);
    if (!fileHasReport) {
        TakeResults(SectionsOf(*outcome.results, model.nodes.size()), model);
    } else {
        const ReportReading reading =
            ReadReportAt(lines, deckLines, tables->nodeCount, tables->elementCount);
        if (!reading.sections)
            return Refusal(kViewerTitle, DamageText(name, *reading.damage));
        TakeResults(*reading.sections, model);
    }
    model.source = fileHasReport ? ResultsSource::Report : ResultsSource::Analysis;
    model.reportCount = fileHasReport ? CountReports(lines, deckLines) : 0;
    if (outcome.equilibrium)
        TakeEquilibrium(*outcome.equilibrium, model);
    model.misreadFieldCount = static_cast<int>(outcome.misreadFields.size());
    if (outcome.message)
        model.warning = ViewerMessage{outcome.message->title, outcome.message->text};
    return LoadResult{std::move(model), std::nullopt};
}

LoadResult ReadResultsFile(const std::optional<std::string>& bytes, const std::string& path) {
    if (!bytes)
        return Refusal(kViewerTitle, "The file " + path + " could not be read.");
    return ReadResultsText(*bytes, path);
}

LoadResult LoadResultsFile(const std::string& path) {
    return ReadResultsFile(ReadWholeFile(path), path);
}

} // namespace trelvo::viewer
