#include "win32/editor/commands_ui.h"

#include "files/wide_names.h"

#include <commctrl.h>

namespace trelvo::win32 {
namespace {

constexpr std::string_view kControlPrefix = "Ctrl+";

std::optional<WORD> VirtualKeyOf(std::string_view name) {
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return static_cast<WORD>(name[0]);
    if (name == "Escape")
        return VK_ESCAPE;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int number = 0;
        for (char digit : name.substr(1)) {
            if (digit < '0' || digit > '9')
                return std::nullopt;
            number = number * 10 + (digit - '0');
        }
        if (number >= 1 && number <= 24)
            return static_cast<WORD>(VK_F1 + number - 1);
    }
    return std::nullopt;
}

HMENU BuildMenu(Menu menu) {
    const HMENU items = ::CreatePopupMenu();
    for (CommandId id : MenuItems(menu)) {
        if (id == CommandId{0}) {
            ::AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        ::AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(id), WideName(MenuText(CommandInfoOf(id))).c_str());
    }
    return items;
}

} // namespace

std::string MenuText(const CommandInfo& info) {
    std::string text(info.label);
    if (!info.shortcut.empty())
        text.append("\t").append(info.shortcut);
    return text;
}

std::optional<ACCEL> AcceleratorOf(std::string_view key, CommandId id) {
    BYTE flags = FVIRTKEY;
    if (key.starts_with(kControlPrefix)) {
        flags |= FCONTROL;
        key.remove_prefix(kControlPrefix.size());
    }
    const std::optional<WORD> virtualKey = VirtualKeyOf(key);
    if (!virtualKey)
        return std::nullopt;
    return ACCEL{flags, *virtualKey, static_cast<WORD>(id)};
}

HMENU BuildMenuBar() {
    const HMENU bar = ::CreateMenu();
    for (Menu menu : {Menu::File, Menu::Edit, Menu::About})
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(menu)),
                      WideName(MenuTitle(menu)).c_str());
    return bar;
}

HACCEL BuildAccelerators() {
    std::vector<ACCEL> table;
    for (const CommandInfo& info : Commands())
        if (const std::optional<ACCEL> accelerator = AcceleratorOf(info.key, info.id))
            table.push_back(*accelerator);
    return ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

std::vector<ToolButton> EditorToolButtons() {
    std::vector<ToolButton> buttons;
    for (const ToolbarEntry& entry : ToolbarLayout()) {
        ToolButton button;
        button.separator = entry.separator;
        button.id = static_cast<int>(entry.id);
        if (entry.separator) {
        } else if (entry.placeholder) { // some placeholders have no command at all
            button.picture = {ToolPicture::Source::Own, OwnPictureIndex(ButtonImage::Icon6).value_or(0)};
            button.enabled = false;
        } else {
            const CommandInfo& info = CommandInfoOf(entry.id);
            if (const std::optional<int> standard = StandardImageIndex(info.image))
                button.picture = {ToolPicture::Source::Standard, *standard};
            else
                button.picture = {ToolPicture::Source::Own, OwnPictureIndex(info.image).value_or(0),
                                  StandInImageIndex(info.image).value_or(-1)};
            button.check = info.toggle;
            button.tooltip = WideName(info.tooltip);
        }
        buttons.push_back(std::move(button));
    }
    return buttons;
}

HMENU BuildContextMenu(const RichEditor::EditingState& state) {
    const HMENU menu = ::CreatePopupMenu();
    for (const ContextMenuItem& item : ContextMenu()) {
        if (item.id == CommandId{0}) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        bool enabled = true;
        switch (item.id) {
        case CommandId::Undo: enabled = state.canUndo; break;
        case CommandId::Cut:
        case CommandId::Copy:
        case CommandId::Delete: enabled = state.hasSelection; break;
        case CommandId::Paste: enabled = state.canPaste; break;
        case CommandId::SelectAll: enabled = state.hasText; break;
        default: break;
        }
        ::AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(item.id),
                      WideName(item.label).c_str());
    }
    return menu;
}

std::optional<int> StandardImageIndex(ButtonImage image) {
    switch (image) {
    case ButtonImage::StdCut: return STD_CUT;
    case ButtonImage::StdCopy: return STD_COPY;
    case ButtonImage::StdPaste: return STD_PASTE;
    case ButtonImage::StdNew: return STD_FILENEW;
    case ButtonImage::StdOpen: return STD_FILEOPEN;
    case ButtonImage::StdSave: return STD_FILESAVE;
    case ButtonImage::StdFind: return STD_FIND;
    case ButtonImage::StdPrint: return STD_PRINT;
    default: return std::nullopt;
    }
}

std::optional<int> OwnPictureIndex(ButtonImage image) {
    switch (image) {
    case ButtonImage::Icon1: return 0;
    case ButtonImage::Icon2: return 1;
    case ButtonImage::Icon5: return 2;
    case ButtonImage::Icon6: return 3;
    case ButtonImage::Icon7: return 4;
    default: return std::nullopt;
    }
}

std::optional<int> StandInImageIndex(ButtonImage image) {
    switch (image) {
    case ButtonImage::Icon1: return STD_PROPERTIES;
    case ButtonImage::Icon2: return STD_REPLACE;
    case ButtonImage::Icon5: return STD_PRINTPRE;
    case ButtonImage::Icon7: return STD_HELP;
    default: return std::nullopt;
    }
}

} // namespace trelvo::win32
