#pragma once

#include "editor/command_id.h"
#include "editor/platform.h"
#include "engine/run_analysis.h"
#include "editor/search.h"
#include "engine/truss_model.h"

#include <cstdint>
#include <memory>
#include <string>

namespace trelvo {

// The open document.
struct DocumentState {
    std::string fileName;
    std::string savedSnapshot;
    long long loadedSize = 0;
};

// The program's behaviour behind the window: owns the shell state, carries out every
// command by its CommandId, and keeps the status bar and the two analysis buttons
// current. Talks to the platform only through its ports and EditorControl.
class Shell {
public:
    Shell(PlatformPorts ports, EditorControl& editor);
    ~Shell();

    // After the window is built: the editor in the start font, buttons 17 and 21 disabled,
    // status bar built and filled; then a document named on the command line is opened as
    // Open opens a chosen name.
    void Start(const std::string& documentName = {});
    void Dispatch(CommandId id);
    // The after-event step: disables Run analysis once the text differs from the saved
    // snapshot; never enables it.
    void AfterEvent();
    void OnTimer();       // refreshes the status bar
    void OnResize();      // rebuilds and refreshes the status bar
    void OnCloseRequest(); // like Exit, from the main window
    // The desktop session is ending (sign-out, restart): whether it may end now, after the
    // question about unsaved text, as Exit would ask it. Nothing is quit here: the session
    // ends the program, or goes on when another program keeps it.
    bool OnSessionEnding();
    // Whether the editor holds text that differs from the saved snapshot, so that New,
    // Open, a quit or the session's end would ask before discarding it.
    bool HasUnsavedText() const;
    // A file dropped on the main window: opened as Open opens a chosen name, after the
    // question about unsaved text.
    void OnFileDropped(const std::string& name);
    // The help window's close box, where the window manager draws one: the help is hidden
    // and the Help Page button released; the program goes on.
    void OnHelpCloseRequest();
    // The editor refused a paste or drop holding a character one byte cannot hold.
    void OnInsertRefused(char32_t character);
    bool QuitRequested() const { return quit_; }

    const DocumentState& Document() const { return document_; }
    const SearchState& Search() const { return search_; }
    const EditorFont& Font() const { return font_; }
    bool HelpShown() const { return helpShown_; }
    std::string StartFolder() const { return startFolder_; }

private:
    // Decision of the user before text that differs from the snapshot is discarded;
    // true when the action may go on.
    bool MayDiscardText();
    void QuitCommand();
    void ClearDocument();
    void NewCommand();
    void OpenCommand();
    void OpenDocument(const std::string& name);
    // Both report whether the document was stored.
    bool SaveCommand();
    bool SaveAsCommand();
    bool SaveDocument(const std::string& name);
    bool TextEqualsSnapshot() const;
    // The snapshot becomes the editor text, which is then known to match it.
    void TakeSnapshot();
    void Warn(const std::string& text);
    void RunCommand();
    AnalysisOutcome AnalyseDocument();
    void LaunchCommand();
    void HelpPageCommand();
    void AboutCommand();
    void RefreshStatusBar();
    std::string RequesterDefaultText() const;

    WindowPort& window_;
    DialogPort& dialogs_;
    FilePort& files_;
    SystemPort& system_;
    EditorControl& editor_;
    std::unique_ptr<TrussModel> model_;
    DocumentState document_;
    SearchState search_;
    EditorFont font_;
    std::string startFolder_;
    bool helpShown_ = false;
    bool quit_ = false;
    // RunButtonRule: the revision of the editor text last compared with the snapshot.
    std::uint64_t comparedRevision_ = 0;
};

} // namespace trelvo
