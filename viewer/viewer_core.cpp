#include "viewer/viewer_core.h"

#include "viewer/equilibrium_text.h"
#include "viewer/magnification.h"
#include "viewer/results_file.h"
#include "viewer/svg_writer.h"
#include "viewer/viewer_texts.h"

namespace trelvo::viewer {
namespace {

constexpr char kOpenTitle[] = "Open Deck or Results File";
constexpr char kExportTitle[] = "Export View";
constexpr char kPrintJob[] = "Vantrel";

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

// The view shows a message in lines of its own: CR LF become LF.
std::string WithLineFeeds(const std::string& text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

} // namespace

ViewerCore::ViewerCore(ViewerPorts ports) : ports_(ports), viewMessage_(kOpenPrompt) {
    status_.hover = kViewHint;
}

void ViewerCore::Start() {
    ports_.window.SetTitle(kViewerTitle);
    ports_.window.ShowStatus(status_);
    for (const ViewerCommandInfo& command : ViewerCommands())
        if (command.option)
            ports_.window.SetCommandChecked(command.id, state_.Options().*command.option);
    ports_.window.ShowMagnification(MagnificationText(Magnification()));
    SetModelCommandsEnabled(false);
}

bool ViewerCore::OpenFile(const std::string& path) {
    return ShowDocument(path, ReadResultsFile(ports_.files.ReadFile(path), path));
}

bool ViewerCore::ShowDocument(const std::string& path, LoadResult result) {
    documentPath_ = path;
    ports_.window.SetTitle(WindowTitle(FileNameOf(path)));
    if (!result.model) {
        state_.ClearModel();
        viewMessage_ = WithLineFeeds(result.error->title + "\r\n\r\n" + result.error->text);
        status_.equilibrium.clear();
        status_.summary.clear();
        ports_.window.ShowStatus(status_);
        SetModelCommandsEnabled(false);
        ports_.window.Redraw();
        ports_.dialogs.ShowMessageWhenUp(result.error->title, result.error->text);
        return false;
    }
    initialMagnification_ = InitialMagnification(*result.model);
    status_.summary = SummaryText(*result.model);
    status_.equilibrium = EquilibriumText(*result.model);
    ports_.window.ShowStatus(status_);
    state_.SetModel(std::move(*result.model), initialMagnification_);
    ports_.window.ShowMagnification(MagnificationText(initialMagnification_));
    SetModelCommandsEnabled(true);
    ports_.window.Redraw();
    return true;
}

void ViewerCore::SetModelCommandsEnabled(bool enabled) {
    modelShown_ = enabled;
    for (const ViewerCommandInfo& command : ViewerCommands())
        if (command.needsModel)
            ports_.window.SetCommandEnabled(command.id, enabled);
    ports_.window.SetMagnificationEnabled(enabled);
}

bool ViewerCore::IsEnabled(ViewerCommandId id) const {
    return modelShown_ || !ViewerCommandOf(id).needsModel;
}

bool ViewerCore::IsChecked(ViewerCommandId id) const {
    const ViewerCommandInfo& command = ViewerCommandOf(id);
    return command.option && state_.Options().*command.option;
}

void ViewerCore::Execute(ViewerCommandId id) {
    const ViewerCommandInfo& command = ViewerCommandOf(id);
    if (!IsEnabled(id))
        return;
    if (command.option) {
        Toggle(command);
        return;
    }
    switch (id) {
    case ViewerCommandId::Open: ChooseAndOpen(); break;
    case ViewerCommandId::ExportPng: ChooseAndExport(true); break;
    case ViewerCommandId::ExportSvg: ChooseAndExport(false); break;
    case ViewerCommandId::Print: ChooseAndPrint(); break;
    case ViewerCommandId::Quit: ports_.window.Close(); break;
    case ViewerCommandId::ResetView: PressCameraKey(CameraKey::Home); break;
    case ViewerCommandId::AutoMagnification: SetMagnification(initialMagnification_); break;
    case ViewerCommandId::Controls:
        ports_.dialogs.ShowMessage(kControlsTitle, kControlsText, MessageKind::Information);
        break;
    case ViewerCommandId::About: ports_.dialogs.ShowMessage(kAboutTitle, kAboutText, MessageKind::About); break;
    default: break;
    }
}

// The menu item, the toolbar button and the view stay of one mind.
void ViewerCore::Toggle(const ViewerCommandInfo& command) {
    const bool on = !(state_.Options().*command.option);
    state_.SetOption(command.option, on);
    ports_.window.SetCommandChecked(command.id, on);
    ports_.window.Redraw();
}

void ViewerCore::SetMagnification(double magnification) {
    state_.SetMagnification(magnification);
    ports_.window.ShowMagnification(MagnificationText(magnification));
    ports_.window.Redraw();
}

void ViewerCore::EnterMagnification(const std::string& text) {
    const std::optional<double> typed = ParseMagnification(text);
    if (typed && *typed != Magnification())
        SetMagnification(*typed);
    else
        ports_.window.ShowMagnification(MagnificationText(Magnification()));
}

void ViewerCore::StepMagnification(int steps) {
    SetMagnification(SteppedMagnification(Magnification(), steps));
}

void ViewerCore::PressCameraKey(CameraKey key) {
    switch (key) {
    case CameraKey::Home: state_.ResetView(); break;
    case CameraKey::Left: state_.Turn(Direction::Left); break;
    case CameraKey::Right: state_.Turn(Direction::Right); break;
    case CameraKey::Up: state_.Turn(Direction::Up); break;
    case CameraKey::Down: state_.Turn(Direction::Down); break;
    }
    ports_.window.Redraw();
}

void ViewerCore::PointerAt(Point2 at) {
    if (state_.DragTo(at)) {
        ports_.window.Redraw();
        return;
    }
    if (const std::optional<Hover> changed = state_.HoverAt(at))
        ShowHover(changed->text);
}

void ViewerCore::PointerLeft() {
    if (const std::optional<Hover> changed = state_.ClearHover())
        ShowHover(changed->text);
}

// While something is pointed at, its long line takes the room of the equilibrium check.
void ViewerCore::ShowHover(const std::string& text) {
    status_.hover = text.empty() ? std::string(kViewHint) : text;
    status_.equilibriumShown = text.empty();
    ports_.window.ShowStatus(status_);
    ports_.window.Redraw();
}

std::string ViewerCore::SuggestedFile(const std::string& extension) const {
    const std::size_t name = documentPath_.find_last_of("\\/") + 1;
    const std::size_t dot = documentPath_.find_last_of('.');
    const std::size_t end = dot != std::string::npos && dot >= name ? dot : documentPath_.size();
    return documentPath_.substr(0, end) + "." + extension;
}

void ViewerCore::ChooseAndOpen() {
    const std::string path = ports_.dialogs.AskOpenFileName(kOpenTitle, documentPath_);
    if (!path.empty())
        OpenFile(path);
}

void ViewerCore::ChooseAndExport(bool png) {
    const FileKind kind = png ? FileKind{"PNG images", "png"} : FileKind{"SVG drawings", "svg"};
    const std::string path = ports_.dialogs.AskSaveFileName(kExportTitle, SuggestedFile(kind.extension), kind);
    if (path.empty())
        return;
    const Point2 size = ports_.window.ViewSize();
    const Scene scene = state_.ExportScene(size.x, size.y);
    const std::string bytes = png ? ports_.pictures.EncodePng(scene) : WriteSvg(scene);
    if (bytes.empty() || !ports_.files.WriteFile(path, bytes))
        ports_.dialogs.ShowMessage(kViewerTitle, "The file " + path + " could not be written.", MessageKind::Warning);
}

// The page is turned as the view is.
void ViewerCore::ChooseAndPrint() {
    const Point2 size = ports_.window.ViewSize();
    if (ports_.pictures.Print(state_.ExportScene(size.x, size.y), size.x > size.y, kPrintJob) == PrintOutcome::Failed)
        ports_.dialogs.ShowMessage(kViewerTitle, "The view could not be printed.", MessageKind::Warning);
}

} // namespace trelvo::viewer
