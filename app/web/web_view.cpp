// The viewer for the web page: a document read into the viewer's model, the view state the
// desktop viewers drive from their events, and the picture as SVG. The page only turns
// pointer, wheel and key events into these calls.
#include "viewer/magnification.h"
#include "viewer/results_file.h"
#include "viewer/svg_writer.h"
#include "viewer/view_fit.h"
#include "viewer/view_state.h"
#include "viewer/viewer_texts.h"

#include "app/web/web_strings.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <string_view>

namespace trelvo::viewer {
namespace {

using emscripten::val;

// The view's toggles by the names the desktop viewer's actions have.
struct NamedOption {
    const char* name;
    bool ViewOptions::*option;
};
constexpr std::array kOptions{
    NamedOption{"nodeNumbers", &ViewOptions::showNodeNumbers},
    NamedOption{"elementNumbers", &ViewOptions::showElementNumbers},
    NamedOption{"undeformed", &ViewOptions::showUndeformed},
    NamedOption{"loads", &ViewOptions::showLoads},
    NamedOption{"supports", &ViewOptions::showSupports},
    NamedOption{"reactions", &ViewOptions::showReactions},
};

val Vector(const Vec3& v) {
    val array = val::array();
    array.call<void>("push", v.x);
    array.call<void>("push", v.y);
    array.call<void>("push", v.z);
    return array;
}

Vec3 VectorOf(const val& array) {
    return {array[0].as<double>(), array[1].as<double>(), array[2].as<double>()};
}

val CameraObject(const Camera& camera) {
    val object = val::object();
    object.set("right", Vector(camera.GetOrientation().right));
    object.set("up", Vector(camera.GetOrientation().up));
    object.set("toward", Vector(camera.GetOrientation().toward));
    object.set("target", Vector(camera.Target()));
    object.set("scale", camera.Scale());
    val origin = val::array();
    origin.call<void>("push", camera.Origin().x);
    origin.call<void>("push", camera.Origin().y);
    object.set("origin", origin);
    return object;
}

Camera CameraOf(const val& object) {
    Camera camera;
    camera.SetOrientation(
        {VectorOf(object["right"]), VectorOf(object["up"]), VectorOf(object["toward"])});
    camera.SetTarget(VectorOf(object["target"]));
    camera.SetScale(object["scale"].as<double>());
    camera.SetOrigin({object["origin"][0].as<double>(), object["origin"][1].as<double>()});
    return camera;
}

// A message as one text: its title, a blank line, then its lines.
std::string MessageText(const ViewerMessage& message) {
    std::string text = message.title + "\n\n" + message.text;
    for (std::size_t crlf; (crlf = text.find("\r\n")) != std::string::npos;)
        text.replace(crlf, 2, "\n");
    return text;
}

double NumberOr(const val& options, const char* key, double otherwise) {
    const val value = options[key];
    return value.isNumber() ? value.as<double>() : otherwise;
}

// One view of one document, as a desktop viewer window holds it.
class WebView {
  public:
    // Reads the document; what the page shows about it: the viewer's error (the model is then
    // gone), the engine's warning on an unstable truss, and the deck's title.
    val Load(const std::string& documentText, const std::string& name) {
        LoadResult result = ReadResultsText(documentText, name);
        val outcome = val::object();
        if (!result.model) {
            state_.ClearModel();
            outcome.set("error", Utf8Text(MessageText(*result.error)));
            return outcome;
        }
        if (result.model->warning)
            outcome.set("warning", Utf8Text(MessageText(*result.model->warning)));
        outcome.set("title", result.model->title);
        initialMagnification_ = InitialMagnification(*result.model);
        state_.SetModel(std::move(*result.model), initialMagnification_);
        return outcome;
    }

    val Svg(double width, double height) {
        return Utf8Text(WriteSvg(state_.ShownScene(width, height)));
    }

    void BeginDrag(bool pan, double x, double y) {
        state_.BeginDrag(pan ? Drag::Pan : Drag::Rotate, {x, y});
    }
    bool DragTo(double x, double y) { return state_.DragTo({x, y}); }
    void EndDrag() { state_.EndDrag(); }
    void ZoomAt(double wheelUnits, double x, double y) { state_.ZoomAt(wheelUnits, {x, y}); }
    // 0 left, 1 right, 2 up, 3 down: the arrow keys.
    void Turn(int direction) { state_.Turn(static_cast<Direction>(direction)); }
    void Reset() { state_.ResetView(); }
    void Resize(double oldWidth, double oldHeight, double width, double height) {
        state_.Resize(oldWidth, oldHeight, width, height);
    }

    // The status line for what lies under the pointer; undefined when that did not change.
    val HoverAt(double x, double y) {
        const std::optional<Hover> hover = state_.HoverAt({x, y});
        return hover ? Utf8Text(hover->text) : val::undefined();
    }

    bool SetOption(const std::string& name, bool on) {
        for (const NamedOption& named : kOptions)
            if (name == named.name) {
                state_.SetOption(named.option, on);
                return true;
            }
        return false;
    }
    bool Option(const std::string& name) const {
        for (const NamedOption& named : kOptions)
            if (name == named.name)
                return state_.Options().*named.option;
        return false;
    }

    void SetMagnification(double magnification) { state_.SetMagnification(magnification); }
    double Magnification() const { return state_.Options().magnification; }
    double InitialMagnificationOf() const { return initialMagnification_; }
    val CurrentCamera() const { return CameraObject(state_.GetCamera()); }
    void SetCurrentCamera(const val& camera) { state_.SetCamera(CameraOf(camera)); }
    bool HasModel() const { return state_.Model() != nullptr; }

    // The picture as exported: no hover highlight, the fixed colours.
    val ExportSvg(double width, double height) const {
        return Utf8Text(WriteSvg(state_.ExportScene(width, height)));
    }

  private:
    ViewState state_;
    double initialMagnification_ = 1.0;
};

// The picture of a document for the given options, without a view kept between calls:
// {svg} or {error}. Options: width, height, magnification (the opening one unless given),
// the toggles by name, camera (the opening view unless given) and the name messages use.
val SceneOf(const std::string& documentText, const val& options) {
    WebView view;
    const val name = options["name"];
    val outcome = view.Load(documentText, name.isString() ? name.as<std::string>() : "document");
    if (!view.HasModel())
        return outcome;
    const double width = NumberOr(options, "width", 800.0);
    const double height = NumberOr(options, "height", 600.0);
    view.SetMagnification(NumberOr(options, "magnification", view.Magnification()));
    for (const NamedOption& named : kOptions)
        if (options[named.name].isTrue() || options[named.name].isFalse())
            view.SetOption(named.name, options[named.name].as<bool>());
    if (options["camera"].isUndefined())
        view.Svg(width, height); // fits the opening view to this size
    else
        view.SetCurrentCamera(options["camera"]);
    outcome.set("svg", view.ExportSvg(width, height));
    return outcome;
}

val ControlsText() {
    return Utf8Text(std::string(kControlsTitle) + "\n\n" + kControlsText);
}

} // namespace

EMSCRIPTEN_BINDINGS(trelvo_viewer) {
    emscripten::function("scene", &SceneOf);
    emscripten::function("viewerControlsText", &ControlsText);
    emscripten::class_<WebView>("View")
        .constructor<>()
        .function("load", &WebView::Load)
        .function("svg", &WebView::Svg)
        .function("exportSvg", &WebView::ExportSvg)
        .function("beginDrag", &WebView::BeginDrag)
        .function("dragTo", &WebView::DragTo)
        .function("endDrag", &WebView::EndDrag)
        .function("zoomAt", &WebView::ZoomAt)
        .function("turn", &WebView::Turn)
        .function("reset", &WebView::Reset)
        .function("resize", &WebView::Resize)
        .function("hoverAt", &WebView::HoverAt)
        .function("setOption", &WebView::SetOption)
        .function("option", &WebView::Option)
        .function("setMagnification", &WebView::SetMagnification)
        .function("magnification", &WebView::Magnification)
        .function("initialMagnification", &WebView::InitialMagnificationOf)
        .function("camera", &WebView::CurrentCamera)
        .function("setCamera", &WebView::SetCurrentCamera)
        .function("hasModel", &WebView::HasModel);
}

} // namespace trelvo::viewer
