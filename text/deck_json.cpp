#include "text/deck_json.h"

#include "engine/deck_lines.h"
#include "engine/deck_reader.h"
#include "files/document_characters.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>

namespace trelvo {
namespace {

// Keys in the order a reader expects them, deck first.
using Json = nlohmann::ordered_json;

// JSON has no infinities or NaN.
Json Number(double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); }

Json Triple(const std::array<double, 3>& values) {
    return Json::array({Number(values[0]), Number(values[1]), Number(values[2])});
}

// Directions X Y Z of node `n` in one of the per-node tables.
template <class Table> std::array<double, 3> NodeRow(const Table& table, int n) {
    return {static_cast<double>(table[1][n]), static_cast<double>(table[2][n]),
            static_cast<double>(table[3][n])};
}

Json Reaction(const std::array<std::optional<double>, 3>& reaction) {
    Json row = Json::array();
    for (const std::optional<double>& value : reaction)
        row.push_back(value ? Number(*value) : Json(nullptr));
    return row;
}

// Message lines joined by LF, as a JSON reader expects line ends.
std::string MessageText(const UserMessage& message) {
    std::string text = message.text;
    for (std::size_t crlf; (crlf = text.find("\r\n")) != std::string::npos;)
        text.replace(crlf, 2, "\n");
    return text;
}

// A deck's texts are single-byte document text: each byte the character the system's
// single-byte rule gives it (Latin-1 on POSIX systems), written as UTF-8.
std::string Title(std::string_view deckBytes) {
    return Utf8OfDocumentText(DeckLines(deckBytes).Next());
}

Json NodesJson(const TrussModel& model, const AnalysisResults& results,
               const Equilibrium& equilibrium) {
    Json nodes = Json::array();
    for (int n = 1; n <= model.nodeCount; ++n) {
        const auto row = static_cast<std::size_t>(n - 1);
        nodes.push_back({{"number", n},
                         {"fixed", Json::array({model.fixed[1][n] == 1, model.fixed[2][n] == 1,
                                                model.fixed[3][n] == 1})},
                         {"coordinates", Triple(NodeRow(model.coord, n))},
                         {"load", Triple(NodeRow(model.load, n))},
                         {"displacement", Triple(results.displacements[row])},
                         {"reaction", Reaction(equilibrium.reactions[row])}});
    }
    return nodes;
}

// End nodes as the tables hold them, the smaller number first; the modulus in the deck's
// units, undoing the scaling of large exponents.
Json ElementsJson(const TrussModel& model, const AnalysisResults& results) {
    Json elements = Json::array();
    for (int e = 1; e <= model.elementCount; ++e) {
        const ElementResult& result = results.elements[static_cast<std::size_t>(e - 1)];
        elements.push_back({{"number", e},
                            {"nodes", Json::array({int{model.node1[e]}, int{model.node2[e]}})},
                            {"modulus", Number(model.youngsModulus[e] * model.modulusScale[e])},
                            {"area", Number(model.area[e])},
                            {"length", Number(ElementLength(model, model.node1[e], model.node2[e]))},
                            {"stress", Number(result.stress)},
                            {"force", Number(result.force)}});
    }
    return elements;
}

Json EquilibriumJson(const Equilibrium& equilibrium) {
    return {{"residual", Number(equilibrium.residual)},
            {"relative", Number(equilibrium.relative)},
            {"load_sum", Triple(equilibrium.loadSum)},
            {"reaction_sum", Triple(equilibrium.reactionSum)}};
}

Json MisreadFieldsJson(const std::vector<MisreadField>& fields) {
    Json list = Json::array();
    for (const MisreadField& field : fields)
        list.push_back({{"line", field.line},
                        {"field", field.field},
                        {"text", Utf8OfDocumentText(field.text)},
                        {"read_as", Number(field.readAs)}});
    return list;
}

// `message` is the text the object gives the outcome's message, if it has one.
Json Heading(const std::string& deck, const std::string& title, const char* status,
             const std::optional<std::string>& message) {
    Json object = {{"deck", deck}, {"title", title}, {"status", status}};
    if (message && status != std::string_view(kAnalysedStatus))
        object["message"] = *message;
    return object;
}

// A name from the command line need not be UTF-8 on POSIX systems: a byte that is not is
// written as U+FFFD, never refused.
void WriteLine(std::ostream& out, const Json& object) {
    out << object.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

} // namespace

const char* DeckStatus(const AnalysisOutcome& outcome) {
    if (!outcome.results)
        return kInputErrorStatus;
    if (!outcome.message)
        return kAnalysedStatus;
    return outcome.results->solved.firstWeakColumn != 0 ? kUnstableStatus : kNotFiniteStatus;
}

void WriteDeckJson(std::ostream& out, const std::string& deck, std::string_view deckBytes,
                   const TrussModel& model, const AnalysisOutcome& outcome) {
    std::optional<std::string> message;
    if (outcome.message)
        message = Utf8OfDocumentText(MessageText(*outcome.message));
    Json object = Heading(deck, Title(deckBytes), DeckStatus(outcome), message);
    if (outcome.results && outcome.equilibrium) {
        object["nodes"] = NodesJson(model, *outcome.results, *outcome.equilibrium);
        object["elements"] = ElementsJson(model, *outcome.results);
        object["equilibrium"] = EquilibriumJson(*outcome.equilibrium);
    }
    object["misread_fields"] = MisreadFieldsJson(outcome.misreadFields);
    WriteLine(out, object);
}

void WriteUnreadableDeckJson(std::ostream& out, const std::string& deck,
                             const AnalysisOutcome& outcome) {
    // The message names the file, and a name is no document text: it is written as given.
    Json object = Heading(deck, "", kUnreadableStatus, MessageText(*outcome.message));
    object["misread_fields"] = Json::array();
    WriteLine(out, object);
}

} // namespace trelvo
