#include "win32/viewer/viewer_commands.h"

#include "files/wide_names.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvo::win32 {
namespace {

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::optional<WORD> VirtualKeyOf(std::string_view name) {
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return static_cast<WORD>(name[0]);
    if (name == "Home")
        return VK_HOME;
    if (name.size() == 2 && name[0] == 'F' && name[1] >= '1' && name[1] <= '9')
        return static_cast<WORD>(VK_F1 + (name[1] - '1'));
    return std::nullopt;
}

std::wstring ItemText(const viewer::ViewerCommandInfo& command) {
    std::string text(command.label);
    if (!command.shortcut.empty())
        text.append("\t").append(command.shortcut);
    return WideName(text);
}

// A shortcut as the command table writes it ("Ctrl+Shift+E", "Home", "F1", "A") as a key
// of the table; nothing for one it does not know.
std::optional<ACCEL> ViewerAccelerator(std::string_view shortcut, viewer::ViewerCommandId id) {
    BYTE flags = FVIRTKEY;
    if (TakePrefix(shortcut, "Ctrl+"))
        flags |= FCONTROL;
    if (TakePrefix(shortcut, "Shift+"))
        flags |= FSHIFT;
    const std::optional<WORD> key = VirtualKeyOf(shortcut);
    if (!key)
        return std::nullopt;
    return ACCEL{flags, *key, static_cast<WORD>(id)};
}

} // namespace

HMENU BuildViewerMenuBar() {
    const HMENU bar = ::CreateMenu();
    for (viewer::ViewerMenu title : viewer::kViewerMenus) {
        const HMENU menu = ::CreatePopupMenu();
        for (const viewer::ViewerCommandInfo& command : viewer::ViewerCommands()) {
            if (command.menu != title)
                continue;
            if (command.separatorBefore)
                ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command.id), ItemText(command).c_str());
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                      WideName(std::string(viewer::ViewerMenuTitle(title))).c_str());
    }
    return bar;
}

HACCEL BuildViewerAccelerators() {
    std::vector<ACCEL> keys;
    for (const viewer::ViewerCommandInfo& command : viewer::ViewerCommands())
        if (const auto key = ViewerAccelerator(command.shortcut, command.id))
            keys.push_back(*key);
    return ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

} // namespace trelvo::win32
