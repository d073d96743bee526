// The two commands that join the shell to the engine and to the viewer: Run analysis and
// Launch viewer.
#include "editor/shell.h"

#include "text/deck_document.h"
#include "files/document_characters.h"
#include "engine/misread_field.h"

#include <vector>

namespace trelvo {
namespace {

constexpr const char* kViewerProgram = "Vantrel37.exe";

// Messages are UTF-8; the fields quote the deck's own bytes, which the document's
// characters turn into text. Only the quotes are mapped: the rest of the warning is UTF-8
// already ("… and 2 more").
std::vector<MisreadField> QuotedAsUtf8(std::vector<MisreadField> fields) {
    for (MisreadField& field : fields)
        field.text = Utf8OfDocumentText(field.text);
    return fields;
}

} // namespace

// The deck is read from the file on disk, never from the editor: the Run button is only
// enabled while the two agree. Whatever the engine reports, the editor text is stored
// under the results name, which becomes the document at once, even if the save fails.
void Shell::RunCommand() {
    const AnalysisOutcome outcome = AnalyseDocument();
    if (outcome.message)
        dialogs_.ShowMessage(outcome.message->title, outcome.message->text);
    if (const std::optional<UserMessage> misread = MisreadFieldsWarning(outcome))
        dialogs_.ShowMessage(misread->title,
                             MisreadFieldsText(QuotedAsUtf8(outcome.misreadFields)));
    document_.fileName = ResultsFileName(document_.fileName);
    SaveDocument(document_.fileName);
    window_.BuildStatusBar();
    window_.SetButtonEnabled(CommandId::RunAnalysis, false);
    window_.SetButtonEnabled(CommandId::LaunchViewer, true);
}

// The deck's bytes come through the platform like every other file the shell reads.
AnalysisOutcome Shell::AnalyseDocument() {
    const std::optional<std::string> deck = files_.ReadFile(document_.fileName);
    if (!deck)
        return UnreadableDeckOutcome(document_.fileName);
    return AnalyseIntoEditor(*model_, *deck, editor_);
}

// The viewer is started and forgotten: whether it starts is not the shell's concern. The
// file name is one argument, blanks and all.
void Shell::LaunchCommand() {
    std::string program = system_.FindViewer(kViewerProgram);
    if (program.empty())
        program = kViewerProgram;
    std::vector<std::string> arguments;
    if (!document_.fileName.empty())
        arguments.push_back(document_.fileName);
    system_.StartDetached(program, arguments, system_.CurrentFolder());
}

} // namespace trelvo
