#include "win32/viewer/viewer_commands.h"

#include <string>
#include <vector>

namespace trelvo::win32 {
namespace {

using viewer::ViewOptions;
constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr BYTE kCtrlShift = FVIRTKEY | FCONTROL | FSHIFT;
constexpr BYTE kPlain = FVIRTKEY;

using C = ViewerCommand;
using M = ViewerMenu;
const ViewerCommandInfo kCommands[] = {
    {C::Open, M::File, "&Open...", "Ctrl+O", kCtrl, 'O', false, false, nullptr},
    {C::ExportPng, M::File, "Export &PNG...", "Ctrl+E", kCtrl, 'E', false, true, nullptr},
    {C::ExportSvg, M::File, "Export &SVG...", "Ctrl+Shift+E", kCtrlShift, 'E', false, true, nullptr},
    {C::Print, M::File, "&Print...", "Ctrl+P", kCtrl, 'P', false, true, nullptr},
    {C::Quit, M::File, "&Quit", "Ctrl+Q", kCtrl, 'Q', true, false, nullptr},
    {C::ResetView, M::View, "&Reset View", "Home", kPlain, VK_HOME, false, true, nullptr},
    {C::AutoMagnification, M::View, "&Automatic Magnification", "A", kPlain, 'A', false, true, nullptr},
    {C::NodeNumbers, M::View, "&Node Numbers", "N", kPlain, 'N', true, true, &ViewOptions::showNodeNumbers},
    {C::ElementNumbers, M::View, "&Element Numbers", "E", kPlain, 'E', false, true,
     &ViewOptions::showElementNumbers},
    {C::Undeformed, M::View, "&Undeformed Shape", "U", kPlain, 'U', false, true, &ViewOptions::showUndeformed},
    {C::Loads, M::View, "&Loads", "L", kPlain, 'L', false, true, &ViewOptions::showLoads},
    {C::Supports, M::View, "&Supports", "S", kPlain, 'S', false, true, &ViewOptions::showSupports},
    {C::Reactions, M::View, "Reac&tions", "R", kPlain, 'R', false, true, &ViewOptions::showReactions},
    {C::Controls, M::Help, "&Controls", "F1", kPlain, VK_F1, false, false, nullptr},
    {C::About, M::Help, "&About Vantrel", "", 0, 0, false, false, nullptr},
};

struct MenuTitle {
    ViewerMenu menu;
    const char* title;
};
constexpr MenuTitle kMenus[] = {{M::File, "&File"}, {M::View, "&View"}, {M::Help, "&Help"}};

std::string ItemText(const ViewerCommandInfo& command) {
    std::string text = command.text;
    if (*command.keyText)
        text += std::string("\t") + command.keyText;
    return text;
}

} // namespace

std::span<const ViewerCommandInfo> ViewerCommands() { return kCommands; }

const ViewerCommandInfo& ViewerCommandOf(ViewerCommand id) {
    for (const ViewerCommandInfo& command : kCommands)
        if (command.id == id)
            return command;
    return kCommands[0]; // every command is in the table
}

HMENU BuildViewerMenuBar() {
    const HMENU bar = ::CreateMenu();
    for (const MenuTitle& title : kMenus) {
        const HMENU menu = ::CreatePopupMenu();
        for (const ViewerCommandInfo& command : kCommands) {
            if (command.menu != title.menu)
                continue;
            if (command.separatorBefore)
                ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command.id), ItemText(command).c_str());
        }
        ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title.title);
    }
    return bar;
}

HACCEL BuildViewerAccelerators() {
    std::vector<ACCEL> keys;
    for (const ViewerCommandInfo& command : kCommands)
        if (command.key)
            keys.push_back(ACCEL{command.keyFlags, command.key, static_cast<WORD>(command.id)});
    return ::CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

} // namespace trelvo::win32
