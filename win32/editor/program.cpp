#include "win32/editor/program.h"

#include <commctrl.h>

namespace trelvo::win32 {

namespace {

// The toolbar and the status bar are the common controls' (version 6, the manifest says).
HINSTANCE StartCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    return ::GetModuleHandleW(nullptr);
}

} // namespace

Program::Program(const std::string& documentName)
    : help_(StartCommonControls()), window_(::GetModuleHandleW(nullptr)), platform_(window_, help_),
      shell_(platform_.Ports(), window_.Editor()) {
    if (!window_.Handle())
        return; // nothing to show: Run ends at once
    window_.Attach(shell_);
    help_.OnCloseRequest([this] {
        shell_.OnHelpCloseRequest();
        shell_.AfterEvent();
    });
    Editor().OnInsertRefused([this](char32_t character) { shell_.OnInsertRefused(character); });
    shell_.Start(documentName);
}

Program::~Program() {
    window_.Detach();
    help_.OnCloseRequest(nullptr);
    Editor().OnInsertRefused(nullptr);
}

void Program::Show(int showCommand) {
    if (!window_.Handle())
        return;
    ::ShowWindow(window_.Handle(), showCommand);
    ::UpdateWindow(window_.Handle());
    ::SetFocus(Editor().Handle());
}

bool Program::QuitRequested() const {
    return platform_.QuitRequested() || !::IsWindow(window_.Handle());
}

// The queue is read as UTF-16 so that a typed character the code page cannot hold is
// seen as itself; dispatched to the single-byte editor it would arrive as "?".
int Program::Run() {
    if (!window_.Handle())
        return 1;
    MSG message{};
    while (!QuitRequested() && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        HandleMessage(message);
    return 0;
}

void Program::HandleMessage(MSG& message) {
    if (!Editor().RefuseTypedCharacter(message) && !window_.TranslateAccelerator(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    shell_.AfterEvent();
}

} // namespace trelvo::win32
