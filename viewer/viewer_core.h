#pragma once

#include "viewer/view_state.h"
#include "viewer/viewer_command_table.h"
#include "viewer/viewer_model.h"
#include "viewer/viewer_ports.h"

#include <string>

namespace trelvo::viewer {

// The keys that move the view's camera: Home resets it, the arrows turn the model.
enum class CameraKey { Home, Left, Right, Up, Down };

// The viewer's behaviour, free of any toolkit: opening a document with its messages, the
// commands (toggles, magnification, export and print with their suggested names), the
// camera keys, the status bar and the title. It owns the view state that the front end's
// view paints and feeds with the pointer; a front end only wires its controls to it and
// paints.
class ViewerCore {
public:
    explicit ViewerCore(ViewerPorts ports);

    // Shows the first state in the window: the title, the hint, the checks, and every
    // command that needs a model disabled. Once the window's controls exist.
    void Start();

    // Reads a deck or results file and shows it; on failure shows why (in the view, and in
    // a message once the window is up) and returns false. The document shown, opened
    // again, is read again.
    bool OpenFile(const std::string& path);
    // The document read in full, as OpenFile shows it.
    bool ShowDocument(const std::string& path, LoadResult result);

    // As its menu item, key or toolbar button does; nothing for a command not offered now.
    void Execute(ViewerCommandId id);
    bool IsEnabled(ViewerCommandId id) const;
    bool IsChecked(ViewerCommandId id) const;

    // The text typed into the magnification box, committed: a readable one is taken, any
    // other is put back.
    void EnterMagnification(const std::string& text);
    // The box's arrows: each step multiplies or divides by 1.25.
    void StepMagnification(int steps);
    double Magnification() const { return state_.Options().magnification; }

    void PressCameraKey(CameraKey key);
    // The pointer moved over the view, in scene units: it drags the camera, or points.
    void PointerAt(Point2 at);
    void PointerLeft();

    ViewState& State() { return state_; }
    const ViewState& State() const { return state_; }
    // What the view shows without a model: lines separated by LF.
    const std::string& ViewMessage() const { return viewMessage_; }
    const ViewerStatus& Status() const { return status_; }
    const std::string& DocumentPath() const { return documentPath_; }

    // Where an export goes unless the user says otherwise: the document's name with the
    // picture's extension, beside it.
    std::string SuggestedFile(const std::string& extension) const;

private:
    void SetModelCommandsEnabled(bool enabled);
    void Toggle(const ViewerCommandInfo& command);
    void SetMagnification(double magnification);
    void ShowHover(const std::string& text);
    void ChooseAndOpen();
    void ChooseAndExport(bool png);
    void ChooseAndPrint();

    ViewerPorts ports_;
    ViewState state_;
    std::string viewMessage_;
    ViewerStatus status_;
    std::string documentPath_;
    double initialMagnification_ = 1.0;
    bool modelShown_ = false;
};

} // namespace trelvo::viewer
