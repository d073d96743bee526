#include "viewer/viewer_command_table.h"

#include <array>
#include <stdexcept>

namespace trelvo::viewer {
namespace {

using enum ViewerCommandId;
using M = ViewerMenu;
using V = ViewOptions;

constexpr std::array kCommands{
    ViewerCommandInfo{Open, M::File, "&Open...", "Ctrl+O", false, false, nullptr},
    ViewerCommandInfo{ExportPng, M::File, "Export &PNG...", "Ctrl+E", false, true, nullptr},
    ViewerCommandInfo{ExportSvg, M::File, "Export &SVG...", "Ctrl+Shift+E", false, true, nullptr},
    ViewerCommandInfo{Print, M::File, "&Print...", "Ctrl+P", false, true, nullptr},
    ViewerCommandInfo{Quit, M::File, "&Quit", "Ctrl+Q", true, false, nullptr},
    ViewerCommandInfo{ResetView, M::View, "&Reset View", "Home", false, true, nullptr},
    ViewerCommandInfo{AutoMagnification, M::View, "&Automatic Magnification", "A", false, true, nullptr},
    ViewerCommandInfo{NodeNumbers, M::View, "&Node Numbers", "N", true, true, &V::showNodeNumbers},
    ViewerCommandInfo{ElementNumbers, M::View, "&Element Numbers", "E", false, true, &V::showElementNumbers},
    ViewerCommandInfo{Undeformed, M::View, "&Undeformed Shape", "U", false, true, &V::showUndeformed},
    ViewerCommandInfo{Loads, M::View, "&Loads", "L", false, true, &V::showLoads},
    ViewerCommandInfo{Supports, M::View, "&Supports", "S", false, true, &V::showSupports},
    ViewerCommandInfo{Reactions, M::View, "Reac&tions", "R", false, true, &V::showReactions},
    ViewerCommandInfo{Controls, M::Help, "&Controls", "F1", false, false, nullptr},
    ViewerCommandInfo{About, M::Help, "&About Vantrel", "", false, false, nullptr},
};

using K = ViewerToolEntry::Kind;
constexpr ViewerToolEntry Button(ViewerCommandId id, std::string_view text, ToolPicture picture = ToolPicture::None) {
    return {K::Button, id, text, picture};
}
constexpr ViewerToolEntry kSeparator{K::Separator, ViewerCommandId{}, "", ToolPicture::None};

constexpr std::array kToolbar{
    Button(Open, "Open", ToolPicture::Open),
    Button(ExportPng, "Export PNG", ToolPicture::Save),
    Button(ExportSvg, "Export SVG"),
    Button(Print, "Print"),
    kSeparator,
    Button(ResetView, "Reset View", ToolPicture::Reset),
    kSeparator,
    Button(NodeNumbers, "Node No."),
    Button(ElementNumbers, "Element No."),
    Button(Undeformed, "Undeformed"),
    Button(Reactions, "Reactions"),
    kSeparator,
    ViewerToolEntry{K::Magnification, ViewerCommandId{}, kMagnificationLabel, ToolPicture::None},
    Button(AutoMagnification, "Auto"),
};

} // namespace

std::span<const ViewerCommandInfo> ViewerCommands() { return kCommands; }

const ViewerCommandInfo& ViewerCommandOf(ViewerCommandId id) {
    for (const ViewerCommandInfo& command : kCommands)
        if (command.id == id)
            return command;
    throw std::out_of_range("no such viewer command");
}

std::string_view ViewerMenuTitle(ViewerMenu menu) {
    switch (menu) {
    case M::File: return "&File";
    case M::View: return "&View";
    case M::Help: return "&Help";
    }
    return "";
}

std::span<const ViewerToolEntry> ViewerToolbar() { return kToolbar; }

std::string ViewerTooltip(ViewerCommandId id) {
    std::string text;
    for (char c : ViewerCommandOf(id).label)
        if (c != '&' && c != '.')
            text += c;
    return text;
}

} // namespace trelvo::viewer
