#pragma once

#include "editor/command_id.h"

#include <span>
#include <string_view>

namespace trelvo {

enum class Menu { None, File, Edit, About };

// Pictures of the toolbar buttons: the platform's standard small images, or our icons.
enum class ButtonImage {
    None,
    StdCut,
    StdCopy,
    StdPaste,
    StdNew,
    StdOpen,
    StdSave,
    StdFind,
    StdPrint,
    Icon1, // truss pyramid with a load arrow: Run analysis, and the application icon
    Icon2, // two letters A with a red mark: Change Font
    Icon5, // truss pyramid with an eye: Launch viewer
    Icon6, // blank: placeholders
    Icon7, // blue disc with a white question mark: Help Page
};

struct CommandInfo {
    CommandId id;
    Menu menu;
    std::string_view label;    // menu label with its "&" mark; empty when not in a menu
    std::string_view shortcut; // shown right-aligned after a TAB, e.g. "CTRL+N"
    // The accelerator as a portable key name, e.g. "Ctrl+N", "F1"; a toolbar command's key
    // acts only while its button is enabled.
    std::string_view key;
    ButtonImage image;         // None: no toolbar button
    std::string_view tooltip;
    bool toggle = false;
};

// Every command in menu order; commands without a menu item follow.
std::span<const CommandInfo> Commands();
const CommandInfo& CommandInfoOf(CommandId id);

// One entry of the toolbar, left to right: a command's button, or a separator.
struct ToolbarEntry {
    bool separator;
    CommandId id;
    bool placeholder; // blank, disabled for good
};
std::span<const ToolbarEntry> ToolbarLayout();

// The editor's right-click menu, top to bottom; CommandId{0} stands for a separator line.
struct ContextMenuItem {
    CommandId id;
    std::string_view label; // with its "&" mark
};
std::span<const ContextMenuItem> ContextMenu();

// Items of one menu in order; CommandId{0} stands for a separator line.
std::span<const CommandId> MenuItems(Menu menu);
std::string_view MenuTitle(Menu menu);

} // namespace trelvo
