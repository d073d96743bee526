#pragma once

#include "viewer/scene_builder.h"

#include <span>
#include <string>
#include <string_view>

namespace trelvo::viewer {

// The number shared by a viewer command's menu item, key and toolbar button.
enum class ViewerCommandId : int {
    Open = 1001,
    ExportPng,
    ExportSvg,
    Print,
    Quit,
    ResetView,
    AutoMagnification,
    NodeNumbers,
    ElementNumbers,
    Undeformed,
    Loads,
    Supports,
    Reactions,
    Controls,
    About,
};

enum class ViewerMenu { File, View, Help };

// The pictures of the toolbar's buttons: the platform's standard ones.
enum class ToolPicture { None, Open, Save, Reset };

struct ViewerCommandInfo {
    ViewerCommandId id;
    ViewerMenu menu;
    std::string_view label;    // the menu item, with its "&" mark
    std::string_view shortcut; // the key as shown beside it and as both toolkits read it,
                               // e.g. "Ctrl+Shift+E", "Home", "F1"; empty for none
    bool separatorBefore;
    bool needsModel;           // offered only while a model is shown
    bool ViewOptions::*option; // the view option it toggles (a check item); null for none
};

// Every command in menu order.
std::span<const ViewerCommandInfo> ViewerCommands();
const ViewerCommandInfo& ViewerCommandOf(ViewerCommandId id);

inline constexpr ViewerMenu kViewerMenus[] = {ViewerMenu::File, ViewerMenu::View, ViewerMenu::Help};
std::string_view ViewerMenuTitle(ViewerMenu menu); // with its "&" mark

// One entry of the toolbar, left to right: a command's button (its text short, so that the
// magnification box still fits beside the buttons at the first size), a separator, or the
// magnification box with its label.
struct ViewerToolEntry {
    enum class Kind { Button, Separator, Magnification } kind;
    ViewerCommandId id;
    std::string_view text;
    ToolPicture picture;
};
std::span<const ViewerToolEntry> ViewerToolbar();

// A button's tooltip: its menu item's words, without the "&" mark and a dialog's dots.
std::string ViewerTooltip(ViewerCommandId id);

inline constexpr char kMagnificationLabel[] = " Magnification ";
inline constexpr char kMagnificationTooltip[] = "Magnification of the displacements in the deformed shape";

} // namespace trelvo::viewer
