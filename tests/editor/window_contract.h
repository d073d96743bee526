#pragma once

// What every editor front end shows, whatever its toolkit: the title, the menus with their
// shortcut texts, the toolbar's buttons with their states and tooltips, the status bar, the
// editor's right-click menu and the save question's buttons. A front end's test
// instantiates the suite with a harness, a default-constructible type that starts the whole
// program and reads what its window shows from the toolkit's own controls:
//   std::string Title();
//   std::vector<std::string> MenuTitles();
//   std::vector<std::string> MenuItems(int menu);      // "label\tshortcut", "|" a separator
//   std::vector<ToolButtonShown> Toolbar();
//   std::string StatusText(int field);
//   std::vector<MenuItemShown> EditorMenu();           // as a right click would show it now
//   std::vector<std::string> SaveQuestionButtons();    // asks it (New over unsaved text), cancels;
//                                                      // the labels without their & marks
//   void Type(const std::string& text);                // at the caret, as keys
//   void PutTextOnTheClipboard(const std::string& text); // "" empties it
//   WindowPort& Port();
//   EditorControl& Editor();
#include "editor/command_id.h"
#include "editor/platform.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace trelvo::contract {

struct ToolButtonShown {
    int id = 0; // 0 for a separator
    bool enabled = false;
    bool checkable = false;
    std::string tooltip;
    bool operator==(const ToolButtonShown&) const = default;
};

struct MenuItemShown {
    std::string text; // "|" for a separator
    bool enabled = false;
    bool operator==(const MenuItemShown&) const = default;
};

inline void PrintTo(const ToolButtonShown& b, std::ostream* out) {
    *out << "{" << b.id << (b.enabled ? " on" : " off") << (b.checkable ? " check" : "") << " \"" << b.tooltip
         << "\"}";
}
inline void PrintTo(const MenuItemShown& m, std::ostream* out) {
    *out << "{\"" << m.text << "\"" << (m.enabled ? " on" : " off") << "}";
}

template <class Harness> class WindowContract : public ::testing::Test {
protected:
    Harness harness_;
};

TYPED_TEST_SUITE_P(WindowContract);

TYPED_TEST_P(WindowContract, TitleAndMenusWithTheirShortcutTexts) {
    auto& h = this->harness_;
    EXPECT_EQ(h.Title(), " TRELVO V.3.7");
    EXPECT_EQ(h.MenuTitles(), (std::vector<std::string>{"File", "Edit", "About"}));
    EXPECT_EQ(h.MenuItems(0), (std::vector<std::string>{"&New\tCTRL+N", "&Open\tCTRL+O", "&Save\tCTRL+S",
                                                        "Save &As", "&Print\tCTRL+P", "|", "&Exit\tCTRL+Q"}));
    EXPECT_EQ(h.MenuItems(1),
              (std::vector<std::string>{"&Find\tCTRL+F", "Find &Next\tF3", "&Replace\tCTRL+H", "&Undo\tCTRL+Z"}));
    EXPECT_EQ(h.MenuItems(2), (std::vector<std::string>{"&Help\tF1", "A&bout"}));
}

// Placeholders are blank, without a tooltip, disabled for good; Run and Launch start
// disabled; Help Page is the one check button.
TYPED_TEST_P(WindowContract, ToolbarButtonsInOrderWithStatesAndTooltips) {
    auto& h = this->harness_;
    const std::vector<ToolButtonShown> expected{
        {1, true, false, "New File"},     {2, true, false, "Open File"},
        {3, true, false, "Save"},         {8, true, false, "Print"},
        {0, false, false, ""},            {5, true, false, "Cut Selected Text"},
        {6, true, false, "Copy Selected Text"}, {7, true, false, "Paste Text"},
        {11, true, false, "Find Text"},   {14, true, false, "Change Font"},
        {0, false, false, ""},            {10, false, false, ""},
        {0, false, false, ""},            {15, true, true, "Help Page"},
        {0, false, false, ""},            {18, false, false, ""},
        {0, false, false, ""},            {17, false, false, "Run Trelvo"},
        {0, false, false, ""},            {19, false, false, ""},
        {0, false, false, ""},            {21, false, false, "Launch Vantrel"},
        {0, false, false, ""}};
    EXPECT_EQ(h.Toolbar(), expected);
}

TYPED_TEST_P(WindowContract, ButtonsFollowThePortAndPlaceholdersStayDisabled) {
    auto& h = this->harness_;
    h.Port().SetButtonEnabled(CommandId::LaunchViewer, true);
    EXPECT_TRUE(h.Port().IsButtonEnabled(CommandId::LaunchViewer));
    EXPECT_FALSE(h.Port().IsButtonEnabled(CommandId::RunAnalysis));
    for (CommandId id : {CommandId::Exit, CommandId::Placeholder18, CommandId::Placeholder19}) {
        h.Port().SetButtonEnabled(id, true);
        EXPECT_FALSE(h.Port().IsButtonEnabled(id)) << static_cast<int>(id);
    }
}

TYPED_TEST_P(WindowContract, StatusBarAfterStartAndThroughThePort) {
    auto& h = this->harness_;
    EXPECT_TRUE(std::regex_match(h.StatusText(0), std::regex(R"(  \d\d/\d\d/\d{4} \d\d:\d\d)")))
        << h.StatusText(0);
    EXPECT_EQ(h.StatusText(1), " 0 chars ");
    h.Port().SetStatusText(1, "C:\\decks\\\xCE\x94-bridge.txt 12 chars "); // a name in UTF-8
    EXPECT_EQ(h.StatusText(1), "C:\\decks\\\xCE\x94-bridge.txt 12 chars ");
    h.Port().BuildStatusBar();
    EXPECT_EQ(h.StatusText(0), "");
    EXPECT_EQ(h.StatusText(1), "");
}

// The platform's editing commands in its words, enabled as its own menu would be: Undo with
// something to undo, Cut, Copy and Delete with a selection, Paste with text on the
// clipboard, Select All with text; no Redo.
TYPED_TEST_P(WindowContract, EditorMenuItemsEnabledByTheEditorsState) {
    auto& h = this->harness_;
    const auto menu = [](bool undo, bool selection, bool paste, bool text) {
        return std::vector<MenuItemShown>{{"&Undo", undo},       {"|", true},       {"Cu&t", selection},
                                          {"&Copy", selection},  {"&Paste", paste}, {"&Delete", selection},
                                          {"|", true},           {"Select &All", text}};
    };
    h.PutTextOnTheClipboard("");
    EXPECT_EQ(h.EditorMenu(), menu(false, false, false, false));
    h.Type("abc");
    EXPECT_EQ(h.EditorMenu(), menu(true, false, false, true));
    h.Editor().SelectRange(0, 2);
    h.PutTextOnTheClipboard("x");
    EXPECT_EQ(h.EditorMenu(), menu(true, true, true, true));
}

TYPED_TEST_P(WindowContract, SaveQuestionOffersSaveDiscardAndCancel) {
    EXPECT_EQ(this->harness_.SaveQuestionButtons(), (std::vector<std::string>{"Save", "Discard", "Cancel"}));
}

REGISTER_TYPED_TEST_SUITE_P(WindowContract, TitleAndMenusWithTheirShortcutTexts,
                            ToolbarButtonsInOrderWithStatesAndTooltips,
                            ButtonsFollowThePortAndPlaceholdersStayDisabled, StatusBarAfterStartAndThroughThePort,
                            EditorMenuItemsEnabledByTheEditorsState, SaveQuestionOffersSaveDiscardAndCancel);

} // namespace trelvo::contract
