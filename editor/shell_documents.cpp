// The document commands of the shell: New, Open, Save, Save As and the save they share.
#include "editor/shell.h"

#include "text/document_text.h"

namespace trelvo {
namespace {

constexpr const char* kOpenTitle = "File/Open";
constexpr const char* kSaveAsTitle = "File/SaveAs";

} // namespace

void Shell::ClearDocument() {
    editor_.SetText("");
    document_.fileName.clear();
    document_.loadedSize = 0;
}

void Shell::NewCommand() {
    if (!MayDiscardText())
        return;
    ClearDocument();
    window_.SetButtonEnabled(CommandId::RunAnalysis, false);
    window_.SetButtonEnabled(CommandId::LaunchViewer, false);
}

// The editor is emptied before the requester is shown, so a cancel leaves an empty,
// unnamed document; the name is kept even when the file then cannot be read.
void Shell::OpenCommand() {
    if (!MayDiscardText())
        return;
    ClearDocument();
    OpenDocument(dialogs_.AskOpenFileName(kOpenTitle, RequesterDefaultText()));
}

// Open with a chosen name, or with the name given on the command line.
void Shell::OpenDocument(const std::string& name) {
    document_.fileName = name;
    if (document_.fileName.empty())
        return;
    const std::optional<std::string> bytes = files_.ReadFile(document_.fileName);
    if (!bytes)
        return;
    const LoadedDocument loaded = ReadDocumentLines(*bytes);
    PutDocumentText(loaded, editor_);
    document_.loadedSize = loaded.loadedSize;
    TakeSnapshot();
    window_.SetButtonEnabled(CommandId::RunAnalysis, true);
    window_.SetButtonEnabled(CommandId::LaunchViewer, true);
}

bool Shell::SaveCommand() {
    if (!document_.fileName.empty())
        return SaveDocument(document_.fileName);
    return SaveDocument(dialogs_.AskSaveFileName(kSaveAsTitle, RequesterDefaultText()));
}

bool Shell::SaveAsCommand() {
    return SaveDocument(dialogs_.AskSaveFileName(kSaveAsTitle, RequesterDefaultText()));
}

// Nothing is written unless every check passes; the platform replaces the file atomically,
// so a write that fails half-way leaves the old content in place. Whether the file can be
// created is only known by writing it, so that check comes after the ones that write nothing.
bool Shell::SaveDocument(const std::string& name) {
    if (name.empty()) {
        Warn("Blank File Name, Operation aborted.");
        return false;
    }
    if (document_.loadedSize > kLoadedSizeLimit) {
        Warn(kTooLongText);
        return false;
    }
    if (const std::optional<int> line = editor_.FirstUnencodableLine()) {
        Warn("Line " + std::to_string(*line) +
             " holds a character that cannot be saved in a single-byte file; nothing was "
             "written.");
        return false;
    }
    if (!files_.WriteFile(name, editor_.GetText())) {
        Warn("File " + name + " creation failed");
        return false;
    }
    document_.fileName = name;
    window_.SetButtonEnabled(CommandId::RunAnalysis, true);
    TakeSnapshot();
    return true;
}

void Shell::TakeSnapshot() {
    document_.savedSnapshot = editor_.GetText();
    comparedRevision_ = editor_.Revision();
}

std::string Shell::RequesterDefaultText() const {
    return startFolder_ + "/" + document_.fileName;
}

} // namespace trelvo
