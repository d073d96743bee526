#include "editor/shell.h"

#include "editor/font_commands.h"
#include "editor/help_texts.h"
#include "editor/insert_refusal.h"
#include "editor/print_document.h"
#include "editor/status_bar_text.h"

namespace trelvo {
// The tables are large and live as long as the shell: allocated once, zero-filled, and
// reused by every run.
Shell::Shell(PlatformPorts ports, EditorControl& editor)
    : window_(ports.window), dialogs_(ports.dialogs), files_(ports.files), system_(ports.system),
      editor_(editor), model_(std::make_unique<TrussModel>()) {}

Shell::~Shell() = default;

void Shell::Start(const std::string& documentName) {
    startFolder_ = system_.CurrentFolder();
    ApplyEditorFont(font_, system_.DisplayDpiY(), editor_);
    window_.SetButtonEnabled(CommandId::RunAnalysis, false);
    window_.SetButtonEnabled(CommandId::LaunchViewer, false);
    window_.BuildStatusBar();
    if (!documentName.empty())
        OpenDocument(documentName);
    RefreshStatusBar();
}

void Shell::Dispatch(CommandId id) {
    // A key reaches a toolbar command whatever its button shows; the button decides.
    const bool buttonOnly = id == CommandId::RunAnalysis || id == CommandId::LaunchViewer;
    if (buttonOnly && !window_.IsButtonEnabled(id))
        return;
    switch (id) {
    case CommandId::New:
        NewCommand();
        break;
    case CommandId::Open:
        OpenCommand();
        break;
    case CommandId::Save:
        SaveCommand();
        break;
    case CommandId::SaveAs:
        SaveAsCommand();
        break;
    case CommandId::Cut:
        editor_.Cut();
        break;
    case CommandId::Copy:
        editor_.Copy();
        break;
    case CommandId::Paste:
        editor_.Paste();
        break;
    case CommandId::Undo:
        editor_.Undo();
        break;
    case CommandId::Delete:
        editor_.ReplaceSelection("");
        break;
    case CommandId::SelectAll:
        editor_.SelectRange(0, -1);
        break;
    case CommandId::ChangeFont:
        ChangeFontCommand(font_, dialogs_, system_.DisplayDpiY(), editor_);
        break;
    case CommandId::Print:
        PrintCommand(font_, dialogs_, system_.DisplayDpiY(), editor_);
        break;
    case CommandId::Exit:
    case CommandId::Quit:
        QuitCommand();
        break;
    case CommandId::Find:
        FindCommand(search_, dialogs_, editor_);
        break;
    case CommandId::FindNext:
        FindNextCommand(search_, editor_);
        break;
    case CommandId::Replace:
        ReplaceCommand(search_, dialogs_, editor_);
        break;
    case CommandId::HelpPage:
        HelpPageCommand();
        break;
    case CommandId::About:
        AboutCommand();
        break;
    case CommandId::RunAnalysis:
        RunCommand();
        break;
    case CommandId::LaunchViewer:
        LaunchCommand();
        break;
    default:
        break;
    }
}

// Comparing the whole text after every event would cost a full copy per keystroke. The
// button is only ever enabled while the text equals the snapshot (Open and a successful
// save set both together), so the text need only be compared again once it has changed,
// and not at all while the button is already disabled.
void Shell::AfterEvent() {
    if (!window_.IsButtonEnabled(CommandId::RunAnalysis))
        return;
    const std::uint64_t revision = editor_.Revision();
    if (revision == comparedRevision_)
        return;
    comparedRevision_ = revision;
    if (!TextEqualsSnapshot())
        window_.SetButtonEnabled(CommandId::RunAnalysis, false);
}

void Shell::OnTimer() {
    RefreshStatusBar();
}

void Shell::OnResize() {
    window_.BuildStatusBar();
    RefreshStatusBar();
}

void Shell::OnCloseRequest() {
    QuitCommand();
}

bool Shell::OnSessionEnding() {
    return MayDiscardText();
}

void Shell::OnFileDropped(const std::string& name) {
    if (!MayDiscardText())
        return;
    ClearDocument();
    OpenDocument(name);
}

void Shell::OnHelpCloseRequest() {
    if (helpShown_)
        HelpPageCommand();
    window_.SetButtonChecked(CommandId::HelpPage, false);
}

void Shell::OnInsertRefused(char32_t character) {
    Warn(InsertRefusedText(character));
}

bool Shell::TextEqualsSnapshot() const {
    return editor_.TextLength() == document_.savedSnapshot.size() &&
           editor_.GetText() == document_.savedSnapshot;
}

bool Shell::HasUnsavedText() const {
    return editor_.TextLength() != 0 && !TextEqualsSnapshot();
}

bool Shell::MayDiscardText() {
    if (!HasUnsavedText())
        return true;
    switch (dialogs_.AskSaveChanges()) {
    case SaveChoice::Save:
        return SaveCommand();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    }
    return false;
}

void Shell::QuitCommand() {
    // A close that follows our own quit request must not ask a second time.
    if (quit_ || !MayDiscardText())
        return;
    quit_ = true;
    window_.RequestQuit();
}

void Shell::Warn(const std::string& text) {
    dialogs_.ShowMessage(kWarningTitle, text);
}

void Shell::HelpPageCommand() {
    helpShown_ = !helpShown_;
    window_.ShowHelpWindow(helpShown_);
    window_.SetMenuChecked(CommandId::HelpPage, helpShown_);
}

void Shell::AboutCommand() {
    dialogs_.ShowMessage(kAboutTitle, AboutText());
}

void Shell::RefreshStatusBar() {
    window_.SetStatusText(0, ClockFieldText(system_.Now()));
    window_.SetStatusText(1, DocumentFieldText(document_.fileName, editor_.TextLength()));
}

} // namespace trelvo
