#pragma once

#include "viewer/scene_builder.h"
#include "win32/common/windows_api.h"

#include <span>

namespace trelvo::win32 {

// The viewer's commands: a menu item each, most with a key, some with a toolbar button.
enum class ViewerCommand : WORD {
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

struct ViewerCommandInfo {
    ViewerCommand id;
    ViewerMenu menu;
    const char* text;     // the menu item, with its mnemonic
    const char* keyText;  // shown beside it; empty for no key
    BYTE keyFlags;        // FVIRTKEY with FCONTROL, FSHIFT as the key needs
    WORD key;             // a virtual key; 0 for none
    bool separatorBefore;
    bool needsModel;      // only while a model is shown
    bool viewer::ViewOptions::*option; // the view option it toggles; null for a plain command
};

// In menu order.
std::span<const ViewerCommandInfo> ViewerCommands();
const ViewerCommandInfo& ViewerCommandOf(ViewerCommand id);

// The menu bar and the key table, both from the commands above. The caller owns them.
HMENU BuildViewerMenuBar();
HACCEL BuildViewerAccelerators();

} // namespace trelvo::win32
