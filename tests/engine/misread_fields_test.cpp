// Fields the deck readers take only in part are noted with their line, field, text and the
// value read; the reading itself, and so the report, stays as it was.
#include "tests/engine/deck_assertions.h"

namespace trelvo::test {
namespace {

std::vector<MisreadField> MisreadOf(const std::vector<std::string>& deck) {
    return RunDeck(Join(deck))->outcome.misreadFields;
}

// The help example with one line replaced (0-based index into its lines).
std::vector<std::string> HelpExampleWith(std::size_t index, const std::string& line) {
    std::vector<std::string> deck = HelpExampleDeck();
    deck[index] = line;
    return deck;
}

TEST(MisreadFields, EachKindOfFieldIsNotedWithWhatItWasReadAs) {
    const struct {
        const char* what;
        std::size_t index;
        std::string line;
        MisreadField expected;
    } rows[] = {
        {"a letter O in a coordinate", 3, "2 0 0 1 8.O 6.0 0.0 50.0 0.0 0.0", {4, 5, "8.O", 8.0}},
        {"a decimal comma in a load", 3, "2 0 0 1 8.0 6.0 0.0 50,5 0.0 0.0", {4, 8, "50,5", 50.0}},
        {"a fixity written as a real", 2, "1 1 1.0 1 0.0 0.0 0.0 0.0 0.0 0.0", {3, 3, "1.0", 1.0}},
        {"a letter as an element number", 5, "x 1 2 30.0e6 0.049", {6, 1, "x", 0.0}},
        {"a letter after a node number", 6, "2 2 3b 30.0e6 0.049", {7, 3, "3b", 3.0}},
        {"a modulus with a stray letter", 5, "1 1 2 30.0e6k 0.049", {6, 4, "30.0e6k", 30.0e6}},
        {"text after the area", 6, "2 2 3 30.0e6 0.049 steel", {7, 5, "0.049 steel", 0.049}},
        {"a count with a point", 1, "3 2.", {2, 2, "2.", 2.0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::vector<MisreadField> misread = MisreadOf(HelpExampleWith(row.index, row.line));
        ASSERT_EQ(misread.size(), 1u);
        EXPECT_EQ(misread[0].line, row.expected.line);
        EXPECT_EQ(misread[0].field, row.expected.field);
        EXPECT_EQ(misread[0].text, row.expected.text);
        EXPECT_EQ(misread[0].readAs, row.expected.readAs);
    }
}

TEST(MisreadFields, TextsReadWholeAreNotNoted) {
    const std::vector<std::string> decks[] = {
        HelpExampleDeck(),
        HelpExampleWith(3, "2 0 0 1 8.0 6.0 0.0 +Infinity NaN -infinity"),
        HelpExampleWith(2, "1 $1 %1 1 0.0 0.0 0.0 0.0 0.0 0.0"),
        HelpExampleWith(3, "2 0 0 1 8. .6e1 -0 +50 0.0 0.0"),
        HelpExampleWith(5, "1 1 2.0 30.0E6 4.9e-2"),
        HelpExampleWith(5, "1 1 2 3e7 0.049"),
    };
    for (const auto& deck : decks)
        EXPECT_TRUE(MisreadOf(deck).empty()) << Join(deck);
}

TEST(MisreadFields, FieldsBeforeARefusedLineAreStillNoted) {
    const auto run = RunDeck(Join({"T", "2 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
                                   "2 0 0 1 8.O 6.0 0.0 50.0 0.0 0.0", "1 1 9 30.0e6 0.049"}));
    EXPECT_TRUE(run->outcome.IsInputError());
    ASSERT_EQ(run->outcome.misreadFields.size(), 1u);
    EXPECT_EQ(run->outcome.misreadFields[0].text, "8.O");
}

TEST(MisreadFields, TheWarningListsFiveThenHowManyMore) {
    std::vector<MisreadField> fields;
    for (int line = 3; line <= 9; ++line)
        fields.push_back({line, 5, "8.O", 8.0});
    fields[1].readAs = 0.049;
    EXPECT_EQ(MisreadFieldsText(fields), "Line 3, field 5: \"8.O\" was read as 8\r\n"
                                         "Line 4, field 5: \"8.O\" was read as 0.049\r\n"
                                         "Line 5, field 5: \"8.O\" was read as 8\r\n"
                                         "Line 6, field 5: \"8.O\" was read as 8\r\n"
                                         "Line 7, field 5: \"8.O\" was read as 8\r\n"
                                         "\xE2\x80\xA6 and 2 more");
    EXPECT_EQ(MisreadFieldDiagnostic("deck.txt", fields[0]), "deck.txt:3: field 5 \"8.O\" was read as 8");
}

} // namespace
} // namespace trelvo::test
