#pragma once

// The window's commands as Windows shows them, all taken from the command table: the
// menu bar with its shortcut texts, the accelerator table, and what each toolbar button
// shows.
#include "editor/command_table.h"
#include "win32/editor/rich_editor.h"
#include "win32/common/toolbar_control.h"
#include "win32/common/windows_api.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvo::win32 {

// Label, TAB and shortcut text, so that the menu shows the shortcut right-aligned; the
// bare label for an item without a shortcut.
std::string MenuText(const CommandInfo& info);

// The virtual-key accelerator of a portable key name ("Ctrl+N", "F3", "Escape"), or
// nothing for a name it does not know.
std::optional<ACCEL> AcceleratorOf(std::string_view key, CommandId id);

HMENU BuildMenuBar();
HACCEL BuildAccelerators();

// The toolbar's buttons, left to right, with their pictures and tooltips; placeholders are
// blank and disabled for good.
std::vector<ToolButton> EditorToolButtons();

// The editor's right-click menu, its items enabled as the editor's state allows.
HMENU BuildContextMenu(const RichEditor::EditingState& state);

// Index of a standard picture in the system's small toolbar bitmap, or nothing for one
// of the program's own pictures.
std::optional<int> StandardImageIndex(ButtonImage image);

// Where the program's own pictures stand in the picture strip, in its order.
std::optional<int> OwnPictureIndex(ButtonImage image);

// The system's standard picture shown in place of one of our own when the program was
// built without its pictures; none for the blank placeholder.
std::optional<int> StandInImageIndex(ButtonImage image);

} // namespace trelvo::win32
