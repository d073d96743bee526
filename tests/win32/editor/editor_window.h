#pragma once

// A rich editor alone in a plain top-level window, for the tests of the editor itself.
#include "win32/editor/rich_editor.h"

#include <memory>

namespace trelvo::win32::test {

class EditorWindow {
public:
    EditorWindow();
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    RichEditor& Editor() { return *editor_; }
    HWND Frame() const { return frame_; }

private:
    HWND frame_ = nullptr;
    std::unique_ptr<RichEditor> editor_;
};

} // namespace trelvo::win32::test
