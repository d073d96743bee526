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
    Point2 DrawnNode(int number) { return core_.State().ShownScene(800, 450).hits.nodes[number - 1]; }
    std::vector<ShownMessage>& Messages() { return ports_.dialogs.messages; }

    ScriptedViewerPorts ports_;
    ViewerCore core_{ports_.Ports()};
};

// Without a document only opening, quitting and help are offered; the toggles show the
// view's defaults: numbers of the nodes, the undeformed shape, loads, supports, reactions.
TEST_F(ViewerCoreTest, StartsWithTheTitleTheHintAndOnlyOpeningAndHelpOffered) {
    EXPECT_EQ(ports_.window.title, "Vantrel");
    EXPECT_EQ(ports_.window.status, (ViewerStatus{kViewHint, "", true, ""}));
    for (ViewerCommandId id : {ExportPng, ExportSvg, Print, ResetView, AutoMagnification, Reactions})
        EXPECT_FALSE(ports_.window.enabled.at(id)) << static_cast<int>(id);
    for (ViewerCommandId id : {Open, Quit, Controls, About})
        EXPECT_FALSE(ports_.window.enabled.contains(id)) << "never disabled: " << static_cast<int>(id);
    EXPECT_FALSE(ports_.window.magnificationEnabled);
    const std::map<ViewerCommandId, bool> checks{{NodeNumbers, true}, {ElementNumbers, false}, {Undeformed, true},
                                                 {Loads, true},       {Supports, true},        {Reactions, true}};
    EXPECT_EQ(ports_.window.checked, checks);
    core_.Execute(ExportPng);
    EXPECT_TRUE(ports_.dialogs.asked.empty()) << "a command not offered does nothing";
}

// A tenth of the 12 long model over the largest displacement, |(3.247e-4, 3.937e-5)| =
// 3.2708e-4, is 3668.8: the magnification starts at 3700.
TEST_F(ViewerCoreTest, OpensAResultsFileWithItsTitleSummaryAndMagnification) {
    OpenHelpExample();
    EXPECT_EQ(ports_.window.title, "Vantrel - help-example-RZ.TXT");
    EXPECT_EQ(ports_.window.status.summary, "3 nodes, 2 elements   from the report");
    EXPECT_TRUE(ports_.window.status.equilibrium.starts_with("equilibrium residual "));
    EXPECT_EQ(ports_.window.magnification, "3700");
    EXPECT_EQ(core_.Magnification(), 3700.0);
    EXPECT_TRUE(ports_.window.enabled.at(ExportSvg));
    EXPECT_TRUE(ports_.window.magnificationEnabled);
    EXPECT_GT(ports_.window.redraws, 0);
}

// A refused document leaves its reason in the view and in a message once the window is up,
// and takes back what the document before it offered.
TEST_F(ViewerCoreTest, ADocumentThatCannotBeShownSaysWhyInTheViewAndAMessage) {
    ports_.files.files["/decks/short.txt"] = Lines({"SHORT", "3 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0"});
    const struct {
        std::string path, title, text;
    } rows[] = {{"/decks/short.txt", "Input Errors", "Error occured while reading Node/Element"},
                {"/decks/gone.txt", "Vantrel", "The file /decks/gone.txt could not be read."}};
    for (const auto& row : rows) {
        OpenHelpExample();
        Messages().clear();
        EXPECT_FALSE(core_.OpenFile(row.path));
        EXPECT_EQ(core_.State().Model(), nullptr);
        EXPECT_EQ(core_.ViewMessage(), row.title + "\n\n" + row.text);
        EXPECT_EQ(Messages(), (std::vector<ShownMessage>{{row.title, row.text, MessageKind::Plain, true}}));
        EXPECT_EQ(ports_.window.status, (ViewerStatus{kViewHint, "", true, ""}));
        EXPECT_FALSE(ports_.window.enabled.at(ResetView));
    }
}

// Each toggle's check and the view's option change together.
TEST_F(ViewerCoreTest, TogglesKeepTheChecksAndTheViewOfOneMind) {
    OpenHelpExample();
    for (const ViewerCommandInfo& command : ViewerCommands()) {
        if (!command.option)
            continue;
        const bool before = core_.State().Options().*command.option;
        core_.Execute(command.id);
        EXPECT_EQ(core_.State().Options().*command.option, !before) << command.label;
        EXPECT_EQ(ports_.window.checked.at(command.id), !before) << command.label;
        EXPECT_EQ(core_.IsChecked(command.id), !before) << command.label;
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
        EXPECT_EQ(ports_.window.magnification, row.shown) << row.typed;
    }
    core_.Execute(AutoMagnification);
    EXPECT_EQ(core_.Magnification(), 3700.0);
    EXPECT_EQ(ports_.window.magnification, "3700");
}

// The report gives node 2 the X displacement 3.247E-04; the equilibrium check gives way.
TEST_F(ViewerCoreTest, PointingAtANodeShowsItsReportNumbersInsteadOfTheCheck) {
    OpenHelpExample();
    const Point2 node = DrawnNode(2);
    core_.PointerAt(node);
    EXPECT_TRUE(ports_.window.status.hover.starts_with("Node 2")) << ports_.window.status.hover;
    EXPECT_NE(ports_.window.status.hover.find("displacement X 3.247E-04"), std::string::npos);
    EXPECT_FALSE(ports_.window.status.equilibriumShown);
    core_.PointerAt({node.x + 150.0, node.y - 40.0});
    EXPECT_EQ(ports_.window.status.hover, kViewHint);
    EXPECT_TRUE(ports_.window.status.equilibriumShown);
    core_.PointerAt(node);
    core_.PointerLeft();
    EXPECT_EQ(ports_.window.status.hover, kViewHint);
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

// The requester suggests the document's name with the picture's extension, beside it.
// The SVG shows the report's stress of bar 1, 8.503E+02.
TEST_F(ViewerCoreTest, ExportsAskForANameAndWriteThePicture) {
    OpenHelpExample();
    ports_.dialogs.answers = {"/out/view.png", "/out/view.svg", "", "/locked/view.png"};
    ports_.files.unwritable.insert("/locked/view.png");
    for (ViewerCommandId id : {ExportPng, ExportSvg, ExportSvg, ExportPng})
        core_.Execute(id);
    EXPECT_EQ(ports_.dialogs.asked, (std::vector<AskedFile>{{"Export View", "/decks/help-example-RZ.png", "png"},
                                                           {"Export View", "/decks/help-example-RZ.svg", "svg"},
                                                           {"Export View", "/decks/help-example-RZ.svg", "svg"},
                                                           {"Export View", "/decks/help-example-RZ.png", "png"}}));
    EXPECT_EQ(ports_.files.files.at("/out/view.png"), "PNG 800.000000 x 450.000000");
    const std::string& svg = ports_.files.files.at("/out/view.svg");
    EXPECT_TRUE(svg.starts_with("<?xml"));
    EXPECT_NE(svg.find(">8.503E+02</text>"), std::string::npos);
    EXPECT_EQ(ports_.files.files.size(), 3u) << "a cancelled requester writes nothing";
    EXPECT_EQ(Messages(), (std::vector<ShownMessage>{{"Vantrel", "The file /locked/view.png could not be written.",
                                                      MessageKind::Warning, false}}));
}

TEST_F(ViewerCoreTest, SuggestedNamesTakeTheLastExtensionOfTheDocumentsOwnName) {
    const std::pair<const char*, const char*> rows[] = {{"C:\\decks\\bridge.txt", "C:\\decks\\bridge.svg"},
                                                       {"/a.b/deck", "/a.b/deck.svg"},
                                                       {"/x/a.b.txt", "/x/a.b.svg"}};
    for (const auto& [document, suggested] : rows) {
        core_.OpenFile(document);
        EXPECT_EQ(core_.SuggestedFile("svg"), suggested);
    }
}

// The page is turned as the view is; only a failed print is reported.
TEST_F(ViewerCoreTest, PrintsThePageTurnedAsTheViewAndReportsAFailure) {
    OpenHelpExample();
    ports_.window.size = {300, 500};
    core_.Execute(Print);
    ports_.pictures.outcome = PrintOutcome::Cancelled;
    ports_.window.size = {800, 450};
    core_.Execute(Print);
    EXPECT_TRUE(Messages().empty());
    ports_.pictures.outcome = PrintOutcome::Failed;
    core_.Execute(Print);
    using P = ScriptedPictures::Printed;
    EXPECT_EQ(ports_.pictures.printed, (std::vector<P>{{300, 500, false, "Vantrel"}, {800, 450, true, "Vantrel"},
                                                       {800, 450, true, "Vantrel"}}));
    EXPECT_EQ(Messages(),
              (std::vector<ShownMessage>{{"Vantrel", "The view could not be printed.", MessageKind::Warning, false}}));
}

TEST_F(ViewerCoreTest, OpenStartsAtTheDocumentAndQuitAndHelpReachTheWindow) {
    OpenHelpExample();
    ports_.dialogs.answers = {"/decks/gone.txt"};
    core_.Execute(Open);
    core_.Execute(Open);
    EXPECT_EQ(ports_.dialogs.asked, (std::vector<AskedFile>{{"Open Deck or Results File", kDocument, ""},
                                                           {"Open Deck or Results File", "/decks/gone.txt", ""}}));
    core_.Execute(Controls);
    core_.Execute(About);
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[1].kind, MessageKind::Information);
    EXPECT_EQ(Messages()[1].title, "Vantrel Controls");
    EXPECT_EQ(Messages()[2].title, "About Vantrel");
    EXPECT_FALSE(ports_.window.closed);
    core_.Execute(Quit);
    EXPECT_TRUE(ports_.window.closed);
}

} // namespace
} // namespace trelvo::viewer
