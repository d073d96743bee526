// Every number of trelvo-batch --json, printed as the report prints numbers, is the text of
// its row in the report that --stdout writes: for each example deck and each corpus deck.
#include "tests/app/batch_program.h"
#include "tests/engine/deck_assertions.h"
#include "tests/app/json_lines.h"
#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <string>
#include <vector>

namespace trelvo {
namespace {

std::vector<fs::path> AgreementDecks() {
    std::vector<fs::path> decks;
    for (const auto& entry : fs::directory_iterator(fs::path(TRELVO_SOURCE_DIR) / "examples"))
        decks.push_back(entry.path());
    for (const auto& entry : fs::directory_iterator(fs::path(TRELVO_SOURCE_DIR) / "tests" / "corpus" / "decks"))
        if (entry.path().extension() == ".deck")
            decks.push_back(entry.path());
    std::sort(decks.begin(), decks.end());
    return decks;
}

// A report row: its number, then each value as printed, a number or the overflow text.
struct ReportRow {
    std::string number;
    std::vector<std::string> values;
};

ReportRow ParseRow(const std::string& line) {
    static const std::regex value(std::string(kOverflowText) + "|[ -][0-9]+\\.[0-9]+E[+-][0-9]+");
    ReportRow row;
    const std::size_t gap = line.find("  ");
    row.number = line.substr(0, gap);
    const std::string rest = gap == std::string::npos ? "" : line.substr(gap + 2);
    for (std::sregex_iterator it(rest.begin(), rest.end(), value), end; it != end; ++it)
        row.values.push_back(it->str());
    return row;
}

// A JSON number as the report prints it; null stands for a value that is not finite.
std::string AsReported(const Json& value) {
    return value.is_null() ? std::string(kOverflowText) : formatNumber(value.get<double>(), 4);
}

void ExpectRow(const std::string& line, std::size_t number, const std::vector<std::string>& values) {
    const ReportRow row = ParseRow(line);
    EXPECT_EQ(row.number, std::to_string(number)) << line;
    EXPECT_EQ(row.values, values) << line;
}

class ReportAgreement : public BatchProgram, public ::testing::WithParamInterface<fs::path> {};

TEST_P(ReportAgreement, JsonNumbersPrintAsTheReportRows) {
    const BatchResult json = Run({"--json", GetParam().string()});
    const BatchResult text = Run({"--stdout", GetParam().string()});
    EXPECT_EQ(json.status, text.status);
    const Json deck = OnlyObject(json.out);
    if (!deck.contains("nodes")) {
        EXPECT_EQ(text.out, "") << "a refused deck has no report";
        return;
    }
    const Json& nodes = deck["nodes"];
    const Json& elements = deck["elements"];
    const std::vector<std::string> lines = test::SplitCrLf(text.out);
    ASSERT_GE(lines.size(), 3u) << text.out;
    // The report follows the deck's last element line, or the end of a shorter document,
    // after at least the title line and the line break the report opens with.
    const std::size_t last = std::min(nodes.size() + elements.size() + 4, lines.size());
    const std::size_t heading = static_cast<std::size_t>(
        std::find(lines.begin() + 2, lines.begin() + static_cast<std::ptrdiff_t>(last),
                  "Node: Displacement (X,Y,Z)") -
        lines.begin());
    ASSERT_LT(heading, last) << text.out;

    // A deck without nodes still prints one row, of zeros.
    const std::size_t nodeRows = std::max<std::size_t>(nodes.size(), 1);
    ASSERT_LT(heading + nodeRows + 2 + elements.size(), lines.size());
    for (std::size_t n = 0; n < nodeRows; ++n) {
        std::vector<std::string> values(3, formatNumber(0.0, 4));
        if (n < nodes.size())
            std::transform(nodes[n]["displacement"].begin(), nodes[n]["displacement"].end(),
                           values.begin(), AsReported);
        ExpectRow(lines[heading + 1 + n], n + 1, values);
    }
    const std::size_t elementHeading = heading + nodeRows + 2;
    ASSERT_EQ(lines[elementHeading], "Element: Stress, Internal Force ");
    for (std::size_t e = 0; e < elements.size(); ++e)
        ExpectRow(lines[elementHeading + 1 + e], e + 1,
                  {AsReported(elements[e]["stress"]), AsReported(elements[e]["force"])});
}

std::string TestName(const ::testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.parent_path().filename().string() + "_" + info.param.stem().string();
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Decks, ReportAgreement, ::testing::ValuesIn(AgreementDecks()), TestName);

} // namespace
} // namespace trelvo
