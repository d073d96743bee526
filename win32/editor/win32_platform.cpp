// The window side of the platform: buttons, menus, status bar, help window and the modal
// dialogs.
#include "win32/editor/win32_platform.h"

#include "editor/command_table.h"
#include "win32/common/file_requester.h"
#include "win32/editor/font_dialog.h"
#include "win32/editor/help_window.h"
#include "win32/editor/main_window.h"
#include "win32/common/message_box.h"
#include "win32/editor/save_question.h"
#include "win32/editor/modal_scope.h"
#include "win32/editor/print_job.h"
#include "win32/editor/prompt_dialog.h"

namespace trelvo::win32 {

Win32Platform::Win32Platform(MainWindow& window, HelpWindow& help) : window_(window), help_(help) {}

HWND Win32Platform::Owner() const { return window_.Handle(); }

// Placeholders stay disabled for good, whatever asks.
void Win32Platform::SetButtonEnabled(CommandId id, bool enabled) {
    for (const ToolbarEntry& entry : ToolbarLayout())
        if (entry.id == id && !entry.separator && entry.placeholder)
            return;
    window_.Tools().SetEnabled(static_cast<int>(id), enabled);
}

bool Win32Platform::IsButtonEnabled(CommandId id) const {
    return window_.Tools().IsEnabled(static_cast<int>(id));
}

void Win32Platform::SetButtonChecked(CommandId id, bool checked) {
    window_.Tools().SetChecked(static_cast<int>(id), checked);
}

void Win32Platform::SetMenuChecked(CommandId id, bool checked) { window_.SetMenuChecked(id, checked); }

void Win32Platform::BuildStatusBar() { window_.ResetStatusBar(); }

void Win32Platform::SetStatusText(int field, const std::string& text) {
    window_.Status().SetText(field, text);
}

void Win32Platform::ShowHelpWindow(bool shown) { help_.Show(shown); }

// The message loop ends once the message at hand is handled; the posted message wakes it
// should it be waiting.
void Win32Platform::RequestQuit() {
    quitRequested_ = true;
    ::PostMessageW(window_.Handle(), WM_NULL, 0, 0);
}

void Win32Platform::ShowMessage(const std::string& title, const std::string& text) {
    const ModalScope modal(help_.ExistingHandle());
    ShowMessageBox(Owner(), title, text);
}

SaveChoice Win32Platform::AskSaveChanges() {
    const ModalScope modal(help_.ExistingHandle());
    return AskSaveChangesBox(Owner());
}

std::string Win32Platform::Prompt(const std::string& title, const std::string& message,
                                  const std::string& preset) {
    const ModalScope modal(help_.ExistingHandle());
    return RunPrompt(Owner(), title, message, preset).value_or(std::string());
}

std::string Win32Platform::AskOpenFileName(const std::string& title, const std::string& defaultText) {
    const ModalScope modal(help_.ExistingHandle());
    return AskFileName(Owner(), FileRequest::Open, title, defaultText);
}

std::string Win32Platform::AskSaveFileName(const std::string& title, const std::string& defaultText) {
    const ModalScope modal(help_.ExistingHandle());
    return AskFileName(Owner(), FileRequest::Save, title, defaultText);
}

std::optional<FontChoice> Win32Platform::ChooseFont(const std::string& faceName, int pointSize) {
    const ModalScope modal(help_.ExistingHandle());
    return AskFont(Owner(), faceName, pointSize, DisplayDpiY());
}

std::unique_ptr<PrintJob> Win32Platform::BeginPrint(const std::string& jobName) {
    const ModalScope modal(help_.ExistingHandle());
    return AskPrintJob(Owner(), jobName);
}

} // namespace trelvo::win32
