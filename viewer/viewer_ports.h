#pragma once

#include "viewer/scene.h"
#include "viewer/viewer_command_table.h"

#include <optional>
#include <string>

namespace trelvo::viewer {

// The viewer core's ports, split by concern so that a stand-in implements only what its
// test uses. A front end implements them and hands them to the core together. Texts are
// bytes as the viewer holds them: names and the core's own words UTF-8, the engine's
// messages as the deck had them.

// The status bar's three parts: what the pointer is on (or how to move the view), the
// equilibrium check, which gives way while something is pointed at, and the summary.
struct ViewerStatus {
    std::string hover;
    std::string equilibrium;
    bool equilibriumShown = true;
    std::string summary;
    bool operator==(const ViewerStatus&) const = default;
};

// The main window: its title, status bar, commands' states, the magnification box and the
// view, which paints what the core's view state shows.
class ViewerWindowPort {
public:
    virtual ~ViewerWindowPort() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void ShowStatus(const ViewerStatus& status) = 0;
    // The menu item and its toolbar button alike.
    virtual void SetCommandEnabled(ViewerCommandId id, bool enabled) = 0;
    virtual void SetCommandChecked(ViewerCommandId id, bool checked) = 0;
    virtual void ShowMagnification(const std::string& text) = 0;
    virtual void SetMagnificationEnabled(bool enabled) = 0;
    // The view paints again, from the core's view state or its message.
    virtual void Redraw() = 0;
    // The view's size in the scene's units (the pixels of a 96-dpi screen).
    virtual Point2 ViewSize() const = 0;
    virtual void Close() = 0;
};

enum class MessageKind { Plain, Information, Warning, About };

// A save requester's one kind of file.
struct FileKind {
    std::string description; // "PNG images"
    std::string extension;   // "png", added to a name typed without one
};

// Modal dialogs. A requester gives the chosen path, or empty when cancelled.
class ViewerDialogPort {
public:
    virtual ~ViewerDialogPort() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) = 0;
    // The same, once the window is up and from its event loop: a document named on the
    // command line is opened before the window is shown.
    virtual void ShowMessageWhenUp(const std::string& title, const std::string& text) = 0;
    virtual std::string AskOpenFileName(const std::string& title, const std::string& start) = 0;
    // Asks before replacing a file.
    virtual std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                        const FileKind& kind) = 0;
};

// Whole-file reads and writes that replace a file only once complete.
class ViewerFilePort {
public:
    virtual ~ViewerFilePort() = default;
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// The scene as the toolkit's painter draws it: in a PNG image, or on a printed page.
class ViewerPicturePort {
public:
    virtual ~ViewerPicturePort() = default;
    // The scene at its own size; empty when it could not be encoded.
    virtual std::string EncodePng(const Scene& scene) = 0;
    // The print dialog with the page turned as asked, then the scene on one page.
    virtual PrintOutcome Print(const Scene& scene, bool landscape, const std::string& jobName) = 0;
};

struct ViewerPorts {
    ViewerWindowPort& window;
    ViewerDialogPort& dialogs;
    ViewerFilePort& files;
    ViewerPicturePort& pictures;
};

// The file port on the disk, through files/: the same for every front end.
class DiskFiles : public ViewerFilePort {
public:
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
};

} // namespace trelvo::viewer
