#include "tests/win32/editor/editor_window.h"

namespace trelvo::win32::test {

EditorWindow::EditorWindow() {
    frame_ = ::CreateWindowExA(0, "STATIC", "editor", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                               nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    editor_ = std::make_unique<RichEditor>(frame_, 100, RECT{5, 30, 635, 433});
    editor_->AcceptDrops();
}

EditorWindow::~EditorWindow() {
    editor_.reset();
    ::DestroyWindow(frame_);
}

} // namespace trelvo::win32::test
