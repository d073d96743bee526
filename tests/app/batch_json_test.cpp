// trelvo-batch --json: one object a deck, its keys, and its numbers against hand figures.
#include "tests/app/batch_program.h"
#include "tests/engine/deck_assertions.h"
#include "tests/app/json_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace trelvo {
namespace {

std::set<std::string> Keys(const Json& object) {
    std::set<std::string> keys;
    for (const auto& item : object.items())
        keys.insert(item.key());
    return keys;
}

void ExpectKeysOfEach(const Json& list, const std::set<std::string>& keys) {
    ASSERT_TRUE(list.is_array()) << list;
    for (const Json& object : list)
        EXPECT_EQ(Keys(object), keys) << object;
}

// Exactly the keys the status allows, nested objects included.
void ExpectSchemaKeys(const Json& deck) {
    const std::string status = deck.value("status", "");
    const bool refused = status == "input error" || status == "unreadable";
    std::set<std::string> keys = {"deck", "title", "status", "misread_fields"};
    if (status != "analysed")
        keys.insert("message");
    if (!refused)
        keys.insert({"nodes", "elements", "equilibrium"});
    EXPECT_EQ(Keys(deck), keys) << deck;
    ExpectKeysOfEach(deck["misread_fields"], {"line", "field", "text", "read_as"});
    if (refused)
        return;
    ExpectKeysOfEach(deck["nodes"], {"number", "fixed", "coordinates", "load", "displacement", "reaction"});
    ExpectKeysOfEach(deck["elements"],
                     {"number", "nodes", "modulus", "area", "length", "stress", "force"});
    EXPECT_EQ(Keys(deck["equilibrium"]),
              (std::set<std::string>{"residual", "relative", "load_sum", "reaction_sum"}));
}

void ExpectClose(const Json& value, double expected) {
    ASSERT_TRUE(value.is_number()) << value;
    EXPECT_NEAR(value.get<double>(), expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

void ExpectCloseTriple(const Json& values, const std::array<double, 3>& expected) {
    ASSERT_EQ(values.size(), 3u) << values;
    for (std::size_t d = 0; d < 3; ++d)
        ExpectClose(values[d], expected[d]);
}

constexpr int kNoFile = -1;

struct StatusRow {
    const char* status;
    int line;              // the deck line replaced in the help example, or kNoFile
    const char* text;      // what replaces it
    const char* message;   // the start of the message; empty for no message
    int exitStatus;
};

TEST_F(BatchProgram, JsonStatusTellsTheOutcomes) {
    const std::vector<StatusRow> rows = {
        {"analysed", 0, "EXAMPLE 2D TRUSS", "", 0},
        {"unstable", 3, "2 0 0 0 8.0 6.0 0.0 50.0 0.0 0.0",
         "The truss is unstable: it is a mechanism, or a free direction is stiffened by no "
         "element.\nFirst affected: node 2, direction Z.", 0},
        {"not finite", 3, "2 0 0 1 8.0 6.0 0.0 +Infinity 0.0 0.0",
         "The results are not finite numbers.\nA load", 0},
        {"input error", 4, "3 1 1 1 12.0 0.0 0.0", "Error occured while reading Node/Element", 2},
        {"unreadable", kNoFile, "", "Error occured while reading Node/Element\nThe deck file ", 2},
    };
    for (const StatusRow& row : rows) {
        std::vector<std::string> lines = test::HelpExampleDeck();
        const fs::path deck = folder_ / "deck.txt";
        fs::remove(deck);
        if (row.line != kNoFile) {
            lines[static_cast<std::size_t>(row.line)] = row.text;
            WriteBytes(deck, test::Join(lines));
        }
        const BatchResult result = Run({"--json", deck.string()});
        EXPECT_EQ(result.status, row.exitStatus) << row.status;
        EXPECT_EQ(result.err, "") << row.status;
        EXPECT_FALSE(fs::exists(folder_ / "deck-RZ.TXT")) << row.status;
        const Json object = OnlyObject(result.out);
        EXPECT_EQ(object.value("status", ""), row.status);
        EXPECT_EQ(object.value("deck", ""), deck.string());
        EXPECT_EQ(object.value("title", ""), row.line == kNoFile ? "" : "EXAMPLE 2D TRUSS");
        EXPECT_EQ(object.value("message", "").rfind(row.message, 0), 0u) << object;
        ExpectSchemaKeys(object);
    }
}

TEST_F(BatchProgram, JsonInfiniteLoadIsNull) {
    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[3] = "2 0 0 1 8.0 6.0 0.0 +Infinity 0.0 0.0";
    const Json object = OnlyObject(Run({"--json", Deck("deck.txt", test::Join(lines)).string()}).out);
    EXPECT_TRUE(object["nodes"][1]["load"][0].is_null()) << object;
    EXPECT_EQ(object["nodes"][1]["load"][1], 0.0);
    EXPECT_TRUE(object["elements"][0]["force"].is_null()) << object;
}

// The help example by statics. Joint 2: bar 1 runs to node 1 along -(0.8, 0.6), bar 2 to
// node 3 along (4, -6)/sqrt(52). With the 50 load in X, the Y balance gives
// F2/sqrt(52) = -F1/10 and the X balance -0.8 F1 - 0.4 F1 + 50 = 0: F1 = 125/3.
TEST_F(BatchProgram, JsonHelpExampleAgreesWithStatics) {
    const BatchResult result = Run({"--json", HelpExamplePath().string()});
    EXPECT_EQ(result.status, 0) << result.err;
    const Json deck = OnlyObject(result.out);
    ExpectSchemaKeys(deck);
    const Json& nodes = deck["nodes"];
    const Json& elements = deck["elements"];
    ASSERT_EQ(nodes.size(), 3u);
    ASSERT_EQ(elements.size(), 2u);

    const double root52 = std::sqrt(52.0);
    const double f1 = 125.0 / 3.0;
    const double f2 = -f1 * root52 / 10.0;
    const double area = 0.049, modulus = 30.0e6;
    const std::array<double, 2> lengths{10.0, root52}, forces{f1, f2};
    for (std::size_t e = 0; e < 2; ++e) {
        EXPECT_EQ(elements[e]["number"], e + 1);
        EXPECT_EQ(elements[e]["nodes"], Json::array({e + 1, e + 2}));
        ExpectClose(elements[e]["modulus"], modulus);
        ExpectClose(elements[e]["area"], area);
        ExpectClose(elements[e]["length"], lengths[e]);
        ExpectClose(elements[e]["force"], forces[e]);
        ExpectClose(elements[e]["stress"], forces[e] / area);
    }

    // The supports carry the 50 horizontal load and no net vertical force.
    ExpectCloseTriple(nodes[0]["reaction"], {-100.0 / 3.0, -25.0, 0.0});
    ExpectCloseTriple(nodes[2]["reaction"], {-50.0 / 3.0, 25.0, 0.0});
    EXPECT_TRUE(nodes[1]["reaction"][0].is_null());
    EXPECT_TRUE(nodes[1]["reaction"][1].is_null());
    ExpectClose(nodes[1]["reaction"][2], 0.0);

    // Node 2 moves so that each bar stretches by F L / (E A) along its axis:
    // 0.8 u + 0.6 v = e1 and (4 u - 6 v) / sqrt(52) = -e2.
    const double e1 = f1 * lengths[0] / (modulus * area);
    const double e2 = f2 * lengths[1] / (modulus * area);
    const double a = 0.8, b = 0.6, c = 4.0 / root52, d = -6.0 / root52;
    const double u = (e1 * d + b * e2) / (a * d - b * c);
    const double v = (-a * e2 - c * e1) / (a * d - b * c);
    EXPECT_NEAR(u, 3.24777e-4, 1e-9); // the figures worked by hand for the help page
    EXPECT_NEAR(v, 3.93747e-5, 1e-10);
    ExpectCloseTriple(nodes[1]["displacement"], {u, v, 0.0});
    ExpectCloseTriple(nodes[0]["displacement"], {0.0, 0.0, 0.0});

    const std::array<std::array<double, 3>, 3> coordinates{
        {{0.0, 0.0, 0.0}, {8.0, 6.0, 0.0}, {12.0, 0.0, 0.0}}};
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(nodes[n]["number"], n + 1);
        EXPECT_EQ(nodes[n]["fixed"], Json::array({n != 1, n != 1, true}));
        ExpectCloseTriple(nodes[n]["coordinates"], coordinates[n]);
        ExpectCloseTriple(nodes[n]["load"], {n == 1 ? 50.0 : 0.0, 0.0, 0.0});
    }
    const Json& equilibrium = deck["equilibrium"];
    ExpectCloseTriple(equilibrium["load_sum"], {50.0, 0.0, 0.0});
    ExpectCloseTriple(equilibrium["reaction_sum"], {-50.0, 0.0, 0.0});
    ExpectClose(equilibrium["residual"], 0.0);
    ExpectClose(equilibrium["relative"], 0.0);
    EXPECT_EQ(deck["misread_fields"], Json::array());
}

TEST_F(BatchProgram, JsonListsMisreadFieldsAlsoOfARefusedDeck) {
    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[3] = "2 0 0 1 8.O 6.0 0.0 50.0 0.0 0.0";
    const Json misread = Json::array(
        {{{"line", 4}, {"field", 5}, {"text", "8.O"}, {"read_as", 8.0}}});
    const Json analysed = OnlyObject(Run({"--json", Deck("a.txt", test::Join(lines)).string()}).out);
    EXPECT_EQ(analysed["status"], "analysed");
    EXPECT_EQ(analysed["misread_fields"], misread);
    EXPECT_EQ(analysed["nodes"][1]["coordinates"], Json::array({8.0, 6.0, 0.0}));

    lines[4] = "3 1 1 1 12.0 0.0 0.0";
    const Json refused = OnlyObject(Run({"--json", Deck("b.txt", test::Join(lines)).string()}).out);
    EXPECT_EQ(refused["status"], "input error");
    EXPECT_EQ(refused["misread_fields"], misread);
}

TEST_F(BatchProgram, JsonLinesFollowTheDecksInTheOrderGiven) {
    const std::string help = HelpExamplePath().string();
    const std::string missing = (folder_ / "missing.txt").string();
    const BatchResult result =
        Run({"--json", help, missing, "-"}, test::Join(test::HelpExampleDeck()));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "");
    const std::vector<Json> objects = JsonLines(result.out);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]["deck"], help);
    EXPECT_EQ(objects[1]["deck"], missing);
    EXPECT_EQ(objects[1]["status"], "unreadable");
    EXPECT_EQ(objects[2]["deck"], "-");
    EXPECT_EQ(objects[2]["status"], "analysed");
    EXPECT_EQ(objects[2]["nodes"], objects[0]["nodes"]);
}

// Deck texts are one character a byte (Latin-1 here), as the report and the viewer show
// them; names are the file system's bytes, written as UTF-8 where they are (an unreadable
// deck's message names it so too) and with U+FFFD for each byte that is not.
TEST_F(BatchProgram, JsonWritesDeckTextsAsTheirCharactersAndNamesAsGiven) {
    std::vector<std::string> lines = test::HelpExampleDeck();
    lines[0] = "BR\xDC" "CKE";
    lines[3] = "2 0 0 1 8.0\xB0 6.0 0.0 50.0 0.0 0.0";
    const fs::path deck = Deck("deck-\xFF.txt", test::Join(lines));
    const std::string missing = (folder_ / "\xCE\x94-missing.txt").string();
    const BatchResult result = Run({"--json", deck.string(), missing});
    const std::vector<Json> objects = JsonLines(result.out);
    ASSERT_EQ(objects.size(), 2u) << result.out;
    EXPECT_EQ(objects[0]["title"], "BR\xC3\x9C" "CKE");
    EXPECT_EQ(objects[0]["misread_fields"][0]["text"], "8.0\xC2\xB0");
    EXPECT_EQ(objects[0]["deck"], (folder_ / "deck-\xEF\xBF\xBD.txt").string());
    EXPECT_EQ(objects[1]["deck"], missing);
    EXPECT_NE(objects[1].value("message", "").find(missing), std::string::npos) << objects[1];
}

} // namespace
} // namespace trelvo
