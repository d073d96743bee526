// The viewer's behaviour, once for every front end: the core driven through its commands
// and the pointer, with scripted stand-ins for the window, dialogs, files and pictures.
#include "viewer/viewer_core.h"

#include "tests/viewer/results_texts.h"
#include "tests/viewer/scripted_viewer_ports.h"
#include "viewer/viewer_texts.h"

#include <gtest/gtest.h>

namespace trelvo::viewer {
namespace {

using namespace testing;
using enum ViewerCommandId;
using Strings = std::vector<std::string>;

constexpr char kDocument[] = "/decks/help-example-RZ.TXT";

class ViewerCoreTest : public ::testing::Test {
protected:
    ViewerCoreTest() {
        ports_.files.files[kDocument] = AnalysedDocument(ExampleDeck("help-example.txt"));
        core_.Start();
    }
    void OpenHelpExample() {
        ASSERT_TRUE(core_.OpenFile(kDocument));
        core_.State().ShownScene(800, 450); // the first frame fits the view, as a front end's paint does
    }

    ScriptedViewerPorts ports_;
    RecordingWindow& window_ = ports_.window;
    ViewerCore core_{ports_.Ports()};
};

// Without a document only opening, quitting and help are offered; the toggles show the
// view's defaults. A tenth of the 12 long help example over its largest displacement,
// |(3.247e-4, 3.937e-5)| = 3.2708e-4, is 3668.8: the magnification starts at 3700.
TEST_F(ViewerCoreTest, OpensTheDocumentWithItsTitleSummaryMagnificationAndCommands) {
    EXPECT_EQ(window_.title, "Vantrel");
    EXPECT_EQ(window_.status, (ViewerStatus{kViewHint, "", true, ""}));
    EXPECT_EQ(window_.enabled.size(), 11u) << "Open, Quit, Controls and About are never disabled";
    EXPECT_FALSE(window_.magnificationEnabled);
    const std::map<ViewerCommandId, bool> checks{{NodeNumbers, true}, {ElementNumbers, false}, {Undeformed, true},
                                                 {Loads, true},       {Supports, true},        {Reactions, true}};
    EXPECT_EQ(window_.checked, checks);
    core_.Execute(ExportPng);
    EXPECT_TRUE(ports_.dialogs.asked.empty()) << "a command not offered does nothing";

    OpenHelpExample();
    EXPECT_EQ(window_.title, "Vantrel - help-example-RZ.TXT");
    EXPECT_EQ(window_.status.summary, "3 nodes, 2 elements   from the report");
    EXPECT_TRUE(window_.status.equilibrium.starts_with("equilibrium residual "));
    EXPECT_EQ(window_.magnification, "3700");
    for (const auto& [id, enabled] : window_.enabled)
        EXPECT_TRUE(enabled) << static_cast<int>(id);
    EXPECT_TRUE(window_.magnificationEnabled);
}

// A refused document leaves its reason in the view and in a message once the window is up,
// and takes back what the document before it offered.
TEST_F(ViewerCoreTest, ADocumentThatCannotBeShownSaysWhyInTheViewAndAMessage) {
    ports_.files.files["/decks/short.txt"] = Lines({"SHORT", "3 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0"});
    const std::pair<std::string, std::string> rows[] = {
        {"/decks/short.txt", "Input Errors\n\nError occured while reading Node/Element"},
        {"/decks/gone.txt", "Vantrel\n\nThe file /decks/gone.txt could not be read."}};
    for (const auto& [path, shown] : rows) {
        OpenHelpExample();
        EXPECT_FALSE(core_.OpenFile(path));
        EXPECT_EQ(core_.State().Model(), nullptr);
        EXPECT_EQ(core_.ViewMessage(), shown);
        EXPECT_EQ(ports_.dialogs.messages.back(), shown.substr(0, shown.find('\n')) + ": " +
                                                      shown.substr(shown.rfind('\n') + 1) + " (later)");
        EXPECT_EQ(window_.status, (ViewerStatus{kViewHint, "", true, ""}));
        EXPECT_FALSE(window_.enabled.at(ResetView));
    }
}

// Typed values count when readable, anything else is put back; steps are of 1.25, from 1
// at 0; Auto goes back to the opening magnification.
TEST_F(ViewerCoreTest, MagnificationIsTypedSteppedAndPutBackByAuto) {
    OpenHelpExample();
    const struct {
        const char* typed;
        int steps;
        double value;
        const char* shown;
    } rows[] = {{" 250 ", 0, 250.0, "250"}, {"", 1, 312.5, "312.5"}, {"-3", 0, 312.5, "312.5"},
                {"1.5e", 0, 312.5, "312.5"}, {"0", 2, 1.5625, "1.5625"}, {"2.5e-9", 0, 2.5e-9, "2.5e-09"}};
    for (const auto& row : rows) {
        if (*row.typed)
            core_.EnterMagnification(row.typed);
        core_.StepMagnification(row.steps);
        EXPECT_EQ(core_.Magnification(), row.value) << row.typed;
        EXPECT_EQ(window_.magnification, row.shown) << row.typed;
    }
    core_.Execute(AutoMagnification);
    EXPECT_EQ(window_.magnification, "3700");
}

// The report gives node 2 the X displacement 3.247E-04; the equilibrium check gives way.
TEST_F(ViewerCoreTest, PointingAtANodeShowsItsReportNumbersInsteadOfTheCheck) {
    OpenHelpExample();
    const Point2 node = core_.State().ShownScene(800, 450).hits.nodes[1];
    core_.PointerAt(node);
    EXPECT_TRUE(window_.status.hover.starts_with("Node 2")) << window_.status.hover;
    EXPECT_NE(window_.status.hover.find("displacement X 3.247E-04"), std::string::npos);
    EXPECT_FALSE(window_.status.equilibriumShown);
    core_.PointerAt({node.x + 150.0, node.y - 40.0});
    EXPECT_EQ(window_.status.hover, kViewHint);
    EXPECT_TRUE(window_.status.equilibriumShown);
    core_.PointerAt(node);
    core_.PointerLeft();
    EXPECT_EQ(window_.status.hover, kViewHint);
}

TEST_F(ViewerCoreTest, ArrowsTurnTheTrussAndHomeOrResetViewTurnItBack) {
    OpenHelpExample();
    const auto orientation = [this] { return core_.State().GetCamera().GetOrientation(); };
    const Orientation before = orientation();
    for (bool byKey : {true, false}) {
        for (CameraKey key : {CameraKey::Left, CameraKey::Up}) {
            core_.PressCameraKey(key);
            EXPECT_FALSE(orientation().right == before.right && orientation().up == before.up);
        }
        byKey ? core_.PressCameraKey(CameraKey::Home) : core_.Execute(ResetView);
        core_.State().ShownScene(800, 450);
        EXPECT_EQ(orientation().right, before.right);
        EXPECT_EQ(orientation().up, before.up);
    }
}

// The requester suggests the document's name with the picture's extension, beside it. The
// SVG shows the report's stress of bar 1, 8.503E+02. The page is turned as the view is.
TEST_F(ViewerCoreTest, ExportsAndPrintsAskFirstAndReportWhatFailed) {
    OpenHelpExample();
    ports_.dialogs.answers = {"/out/view.png", "/out/view.svg", "", "/locked/view.png"};
    ports_.files.unwritable.insert("/locked/view.png");
    for (ViewerCommandId id : {ExportPng, ExportSvg, ExportSvg, ExportPng})
        core_.Execute(id);
    EXPECT_EQ(ports_.dialogs.asked, (Strings{"Export View: /decks/help-example-RZ.png [png]",
                                             "Export View: /decks/help-example-RZ.svg [svg]",
                                             "Export View: /decks/help-example-RZ.svg [svg]",
                                             "Export View: /decks/help-example-RZ.png [png]"}));
    EXPECT_EQ(ports_.files.files.at("/out/view.png"), "PNG 800x450");
    EXPECT_NE(ports_.files.files.at("/out/view.svg").find(">8.503E+02</text>"), std::string::npos);
    EXPECT_EQ(ports_.files.files.size(), 3u) << "a cancelled requester writes nothing";
    for (PrintOutcome outcome : {PrintOutcome::Printed, PrintOutcome::Cancelled, PrintOutcome::Failed}) {
        ports_.pictures.outcome = outcome;
        window_.size = outcome == PrintOutcome::Printed ? Point2{300, 500} : Point2{800, 450};
        core_.Execute(Print);
    }
    EXPECT_EQ(ports_.pictures.printed,
              (Strings{"300x500 portrait Vantrel", "800x450 landscape Vantrel", "800x450 landscape Vantrel"}));
    EXPECT_EQ(ports_.dialogs.messages, (Strings{"Vantrel: The file /locked/view.png could not be written. (warning)",
                                                "Vantrel: The view could not be printed. (warning)"}));
}

TEST_F(ViewerCoreTest, SuggestedNamesTakeTheLastExtensionOfTheDocumentsOwnName) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\decks\\bridge.txt", "C:\\decks\\bridge.svg"}, {"/a.b/deck", "/a.b/deck.svg"}, {"/x/a.b.txt", "/x/a.b.svg"}};
    for (const auto& [document, suggested] : rows) {
        core_.OpenFile(document);
        EXPECT_EQ(core_.SuggestedFile("svg"), suggested);
    }
}

// The open requester starts at the document shown, or at the one that could not be.
TEST_F(ViewerCoreTest, TheOpenRequesterStartsAtTheDocument) {
    OpenHelpExample();
    ports_.dialogs.answers = {"/decks/gone.txt"};
    core_.Execute(Open);
    core_.Execute(Open);
    EXPECT_EQ(ports_.dialogs.asked, (Strings{std::string("Open Deck or Results File: ") + kDocument,
                                             "Open Deck or Results File: /decks/gone.txt"}));
}

} // namespace
} // namespace trelvo::viewer
