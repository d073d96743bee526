// The desktop editor keeps the editor contract with the in-memory text model.
#include "tests/editor/editor_contract.h"
#include "qt/editor/qt_editor_control.h"

#include <QTextCursor>

namespace trelvo::qt {
namespace {

using namespace contract;

struct QtHarness {
    QtEditorControl editor;

    EditorControl& Editor() { return editor; }
    int SelectionStart() const { return editor.textCursor().selectionStart(); }
    int SelectionEnd() const { return editor.textCursor().selectionEnd(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, EditorContract, QtHarness);

using QtEditorContract = EditorContract<QtHarness>;

// Every byte but the line ends, NUL included, is a character of the desktop editor.
TEST_F(QtEditorContract, EveryByteExceptLineEndsSurvives) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    Apply(Set(bytes + "\r\n" + bytes), "all bytes");
    EXPECT_EQ(Editor().GetText(), bytes + "\r\n" + bytes);
    EXPECT_EQ(Editor().GetLine(1), bytes);
    EXPECT_EQ(Editor().TextEnd(), 2 * 254 + 1);
}

} // namespace
} // namespace trelvo::qt
