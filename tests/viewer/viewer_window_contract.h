#pragma once

// What every viewer front end shows, whatever its toolkit: the title, the menus with their
// shortcut texts, the toolbar's buttons with their states and tooltips, the status bar, the
// magnification box, and its commands reaching the viewer core. A front end's test
// instantiates the suite with a harness, a default-constructible type that makes the window
// and reads what it shows from the toolkit's own controls:
//   std::string Title();
//   std::vector<std::string> MenuTitles();
//   std::vector<std::string> MenuItems(int menu);     // "label\tshortcut", "|" a separator
//   bool MenuChecked(viewer::ViewerCommandId id);
//   bool MenuEnabled(viewer::ViewerCommandId id);
//   std::vector<ViewerToolShown> Toolbar();           // the magnification box as id -1
//   std::vector<std::string> Status();                // the parts as shown, "" for a hidden one
//   std::string MagnificationText();
//   void Open(const std::string& path);               // as the command line opens it, then painted
//   void Trigger(viewer::ViewerCommandId id);         // as its menu item does
//   void TypeMagnification(const std::string& text);  // into the box, then Enter
//   void PressUpInMagnification();
//   void PointAt(viewer::Point2 at);                  // the pointer over the view, in scene units
//   viewer::Point2 ViewSize();
//   viewer::ViewerCore& Core();
#include "tests/viewer/results_texts.h"
#include "viewer/viewer_core.h"
#include "viewer/viewer_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace trelvo::viewer::contract {

struct ViewerToolShown {
    int id = 0; // 0 for a separator, -1 for the magnification box
    std::string text;
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
    std::string tooltip;
    bool operator==(const ViewerToolShown&) const = default;
};

inline void PrintTo(const ViewerToolShown& b, std::ostream* out) {
    *out << "{" << b.id << " \"" << b.text << "\"" << (b.enabled ? " on" : " off") << (b.checkable ? " check" : "")
         << (b.checked ? "ed" : "") << " \"" << b.tooltip << "\"}";
}

template <class Harness> class ViewerWindowContract : public ::testing::Test {
protected:
    // The help example's results file, opened and painted.
    void OpenHelpExample() {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() / "viewer-contract";
        std::filesystem::create_directories(folder);
        const std::filesystem::path file = folder / "help-example-RZ.TXT";
        std::ofstream(file, std::ios::binary) << testing::AnalysedDocument(testing::ExampleDeck("help-example.txt"));
        harness_.Open(file.string());
    }

    Harness harness_;
};

TYPED_TEST_SUITE_P(ViewerWindowContract);

TYPED_TEST_P(ViewerWindowContract, TitleAndMenusWithTheirShortcutTexts) {
    auto& h = this->harness_;
    EXPECT_EQ(h.Title(), "Vantrel");
    EXPECT_EQ(h.MenuTitles(), (std::vector<std::string>{"&File", "&View", "&Help"}));
    EXPECT_EQ(h.MenuItems(0), (std::vector<std::string>{"&Open...\tCtrl+O", "Export &PNG...\tCtrl+E",
                                                        "Export &SVG...\tCtrl+Shift+E", "&Print...\tCtrl+P", "|",
                                                        "&Quit\tCtrl+Q"}));
    EXPECT_EQ(h.MenuItems(1),
              (std::vector<std::string>{"&Reset View\tHome", "&Automatic Magnification\tA", "|", "&Node Numbers\tN",
                                        "&Element Numbers\tE", "&Undeformed Shape\tU", "&Loads\tL", "&Supports\tS",
                                        "Reac&tions\tR"}));
    EXPECT_EQ(h.MenuItems(2), (std::vector<std::string>{"&Controls\tF1", "&About Vantrel"}));
}

// Short names on the buttons, the menu's words in the tooltips; without a document only
// opening, quitting and help are offered; the toggles show the view's defaults.
TYPED_TEST_P(ViewerWindowContract, ToolbarButtonsInOrderWithStatesAndTooltips) {
    auto& h = this->harness_;
    const auto toolbar = [](bool m) {
        return std::vector<ViewerToolShown>{
            {1001, "Open", true, false, false, "Open"},      {1002, "Export PNG", m, false, false, "Export PNG"},
            {1003, "Export SVG", m, false, false, "Export SVG"}, {1004, "Print", m, false, false, "Print"}, {},
            {1006, "Reset View", m, false, false, "Reset View"}, {},
            {1008, "Node No.", m, true, true, "Node Numbers"}, {1009, "Element No.", m, true, false, "Element Numbers"},
            {1010, "Undeformed", m, true, true, "Undeformed Shape"}, {1013, "Reactions", m, true, true, "Reactions"},
            {}, {-1, "", m, false, false, ""}, {1007, "Auto", m, false, false, "Automatic Magnification"}};
    };
    const auto menusOffer = [&h](bool model) {
        for (const ViewerCommandInfo& command : ViewerCommands())
            EXPECT_EQ(h.MenuEnabled(command.id), model || !command.needsModel) << command.label;
    };
    EXPECT_EQ(h.Toolbar(), toolbar(false));
    menusOffer(false);
    this->OpenHelpExample();
    EXPECT_EQ(h.Toolbar(), toolbar(true));
    menusOffer(true);
}

TYPED_TEST_P(ViewerWindowContract, StatusBarShowsTheHintTheCheckAndTheSummaryThenWhatIsPointedAt) {
    auto& h = this->harness_;
    EXPECT_EQ(h.Status(), (std::vector<std::string>{kViewHint, "", ""}));
    this->OpenHelpExample();
    EXPECT_EQ(h.Title(), "Vantrel - help-example-RZ.TXT");
    const std::vector<std::string> opened = h.Status();
    EXPECT_EQ(opened, (std::vector<std::string>{kViewHint, h.Core().Status().equilibrium,
                                                "3 nodes, 2 elements   from the report"}));
    const Point2 size = h.ViewSize();
    h.PointAt(h.Core().State().ExportScene(size.x, size.y).hits.nodes[1]);
    EXPECT_EQ(h.Status(), (std::vector<std::string>{h.Core().Status().hover, "", opened[2]}));
    EXPECT_TRUE(h.Status()[0].starts_with("Node 2 ")) << h.Status()[0];
}

// Typed text counts on Enter and an unreadable one is put back; the Up key steps by 1.25.
TYPED_TEST_P(ViewerWindowContract, TheMagnificationBoxTalksToTheCore) {
    auto& h = this->harness_;
    this->OpenHelpExample();
    EXPECT_EQ(h.MagnificationText(), "3700");
    h.TypeMagnification(" 250 ");
    h.PressUpInMagnification();
    EXPECT_EQ(h.Core().Magnification(), 312.5);
    EXPECT_EQ(h.MagnificationText(), "312.5");
    h.TypeMagnification("-3");
    EXPECT_EQ(h.MagnificationText(), "312.5");
}

// Each toggle's menu check, toolbar button and view option change together.
TYPED_TEST_P(ViewerWindowContract, MenuCommandsReachTheCoreAndTheirChecksFollow) {
    auto& h = this->harness_;
    this->OpenHelpExample();
    for (const ViewerCommandInfo& command : ViewerCommands()) {
        if (!command.option)
            continue;
        const bool before = h.Core().IsChecked(command.id);
        EXPECT_EQ(h.MenuChecked(command.id), before) << command.label;
        h.Trigger(command.id);
        EXPECT_EQ(h.Core().IsChecked(command.id), !before) << command.label;
        EXPECT_EQ(h.MenuChecked(command.id), !before) << command.label;
    }
    EXPECT_FALSE(h.Toolbar()[7].checked) << "node numbers, turned off";
}

REGISTER_TYPED_TEST_SUITE_P(ViewerWindowContract, TitleAndMenusWithTheirShortcutTexts,
                            ToolbarButtonsInOrderWithStatesAndTooltips,
                            StatusBarShowsTheHintTheCheckAndTheSummaryThenWhatIsPointedAt,
                            TheMagnificationBoxTalksToTheCore, MenuCommandsReachTheCoreAndTheirChecksFollow);

} // namespace trelvo::viewer::contract
