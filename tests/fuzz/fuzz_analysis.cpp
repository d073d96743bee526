// A whole analysis of a deck given as bytes, the way trelvo-batch takes it: load the file
// into the document as Open does, analyse it on fresh tables, report into the document.
#include "document_text.h"
#include "fuzz_check.h"
#include "run_analysis.h"
#include "text_model.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace trelvo;

// The heading is followed by `rows` rows numbered 1, 2, ... with two blanks after the number.
void CheckSection(const std::string& text, const std::string& heading, int rows) {
    std::size_t at = text.find(heading);
    FUZZ_CHECK(at != std::string::npos);
    at += heading.size();
    for (int k = 1; k <= rows; ++k) {
        const std::string number = std::to_string(k) + "  ";
        FUZZ_CHECK(text.compare(at, number.size(), number) == 0);
        const std::size_t end = text.find("\r\n", at);
        FUZZ_CHECK(end != std::string::npos);
        at = end + 2;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view deck(reinterpret_cast<const char*>(data), size);
    const auto model = std::make_unique<TrussModel>();
    TextModel editor;
    PutDocumentText(ReadDocumentLines(deck), editor);
    const std::string before = editor.GetText();

    const AnalysisOutcome outcome = RunAnalysisOnDeck(*model, deck, editor);
    const std::string after = editor.GetText();
    if (outcome.IsInputError()) {
        FUZZ_CHECK(after == before); // a refused deck leaves the document alone
        FUZZ_CHECK(outcome.message->title == kInputErrorsTitle);
        return 0;
    }
    FUZZ_CHECK(model->nodeCount >= 0 && model->nodeCount <= kMaxNodes);
    FUZZ_CHECK(model->elementCount >= 0 && model->elementCount <= kMaxElements);
    FUZZ_CHECK(after.size() > before.size());
    FUZZ_CHECK(after.size() >= 2 && after.compare(after.size() - 2, 2, "\r\n") == 0);
    CheckSection(after, "Node: Displacement (X,Y,Z)\r\n", std::max(model->nodeCount, 1));
    CheckSection(after, "Element: Stress, Internal Force \r\n", model->elementCount);
    for (int e = 1; e <= model->elementCount; ++e) {
        FUZZ_CHECK(model->node1[e] >= 1 && model->node1[e] < model->node2[e]);
        FUZZ_CHECK(model->node2[e] <= model->nodeCount);
    }
    if (outcome.message)
        FUZZ_CHECK(outcome.message->title == kWarningTitle);
    return 0;
}
