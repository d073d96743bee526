// The Windows editor keeps the editor contract with the in-memory text model.
#include "tests/editor/editor_contract.h"
#include "tests/win32/editor/editor_window.h"

namespace trelvo::win32::test {
namespace {

using namespace contract;

struct RichEditHarness {
    EditorWindow window;

    EditorControl& Editor() { return window.Editor(); }
    int SelectionStart() { return window.Editor().Selection().cpMin; }
    int SelectionEnd() { return window.Editor().Selection().cpMax; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(RichEdit, EditorContract, RichEditHarness);

using RichEditContract = EditorContract<RichEditHarness>;

// The control cannot hold a NUL byte (Open ends a line at one); every other byte that is
// not a line end goes in and comes back out unchanged, on a single-byte ANSI code page and
// on a multi-byte one alike (the tests run on both).
TEST_F(RichEditContract, EveryByteExceptLineEndsAndNulSurvives) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    Apply(Set(bytes + "\r\n" + bytes), "all bytes");
    EXPECT_EQ(Editor().GetText(), bytes + "\r\n" + bytes);
    EXPECT_EQ(Editor().GetLine(1), bytes);
    EXPECT_EQ(Editor().TextEnd(), 2 * 253 + 1);
}

TEST_F(RichEditContract, TextBeginningLikeFormattingStaysText) {
    Apply(Set("{\\rtf1 x}\r\n{\\rtf"), "set");
    Apply(Select(0, 0), "caret at the start");
    Apply(Replace("{\\rtf1 y}"), "replace");
}

// A line far wider than the control stays one line: the editor does not wrap.
TEST_F(RichEditContract, LongLinesAreNotWrapped) {
    Apply(Set(std::string(5000, 'w') + "\r\n" + std::string(3000, 'v') + " x"), "long lines");
    EXPECT_EQ(Editor().LineCount(), 2);
}

} // namespace
} // namespace trelvo::win32::test
