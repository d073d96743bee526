#include "editor/command_table.h"

#include <array>
#include <stdexcept>

namespace trelvo {
namespace {

using enum CommandId;
using enum ButtonImage;

constexpr std::array kCommands{
    CommandInfo{New, Menu::File, "&New", "CTRL+N", "Ctrl+N", StdNew, "New File"},
    CommandInfo{Open, Menu::File, "&Open", "CTRL+O", "Ctrl+O", StdOpen, "Open File"},
    CommandInfo{Save, Menu::File, "&Save", "CTRL+S", "Ctrl+S", StdSave, "Save"},
    CommandInfo{SaveAs, Menu::File, "Save &As", "", "", None, ""},
    CommandInfo{Print, Menu::File, "&Print", "CTRL+P", "Ctrl+P", StdPrint, "Print"},
    CommandInfo{Exit, Menu::File, "&Exit", "CTRL+Q", "Ctrl+Q", None, ""},
    CommandInfo{Find, Menu::Edit, "&Find", "CTRL+F", "Ctrl+F", StdFind, "Find Text"},
    CommandInfo{FindNext, Menu::Edit, "Find &Next", "F3", "F3", None, ""},
    CommandInfo{Replace, Menu::Edit, "&Replace", "CTRL+H", "Ctrl+H", None, ""},
    CommandInfo{Undo, Menu::Edit, "&Undo", "CTRL+Z", "Ctrl+Z", None, ""},
    CommandInfo{HelpPage, Menu::About, "&Help", "F1", "F1", Icon7, "Help Page", true},
    CommandInfo{About, Menu::About, "A&bout", "", "", None, ""},
    CommandInfo{Cut, Menu::None, "", "", "", StdCut, "Cut Selected Text"},
    CommandInfo{Copy, Menu::None, "", "", "", StdCopy, "Copy Selected Text"},
    CommandInfo{Paste, Menu::None, "", "", "", StdPaste, "Paste Text"},
    CommandInfo{ChangeFont, Menu::None, "", "", "", Icon2, "Change Font"},
    CommandInfo{RunAnalysis, Menu::None, "", "", "F5", Icon1, "Run Trelvo"},
    CommandInfo{LaunchViewer, Menu::None, "", "", "F6", Icon5, "Launch Vantrel"},
    CommandInfo{Delete, Menu::None, "", "", "", None, ""},
    CommandInfo{SelectAll, Menu::None, "", "", "", None, ""},
    CommandInfo{Quit, Menu::None, "", "", "Escape", None, ""},
};

constexpr ToolbarEntry Button(CommandId id) { return {false, id, false}; }
constexpr ToolbarEntry Placeholder(CommandId id) { return {false, id, true}; }
constexpr ToolbarEntry kSeparator{true, CommandId{0}, false};

constexpr std::array kToolbar{
    Button(New),        Button(Open),  Button(Save),          Button(Print),
    kSeparator,         Button(Cut),   Button(Copy),          Button(Paste),
    Button(Find),       Button(ChangeFont),                   kSeparator,
    Placeholder(Exit),  kSeparator,    Button(HelpPage),      kSeparator,
    Placeholder(Placeholder18),        kSeparator,            Button(RunAnalysis),
    kSeparator,         Placeholder(Placeholder19),           kSeparator,
    Button(LaunchViewer), kSeparator,
};

// The platform's editing commands, with the words its own edit controls use.
constexpr std::array kContextMenu{
    ContextMenuItem{Undo, "&Undo"},   ContextMenuItem{CommandId{0}, ""},
    ContextMenuItem{Cut, "Cu&t"},     ContextMenuItem{Copy, "&Copy"},
    ContextMenuItem{Paste, "&Paste"}, ContextMenuItem{Delete, "&Delete"},
    ContextMenuItem{CommandId{0}, ""}, ContextMenuItem{SelectAll, "Select &All"},
};

constexpr std::array kFileMenu{New, Open, Save, SaveAs, Print, CommandId{0}, Exit};
constexpr std::array kEditMenu{Find, FindNext, Replace, Undo};
constexpr std::array kAboutMenu{HelpPage, About};

} // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo& CommandInfoOf(CommandId id) {
    for (const CommandInfo& info : kCommands)
        if (info.id == id)
            return info;
    throw std::out_of_range("no such command");
}

std::span<const ToolbarEntry> ToolbarLayout() { return kToolbar; }

std::span<const ContextMenuItem> ContextMenu() { return kContextMenu; }

std::span<const CommandId> MenuItems(Menu menu) {
    switch (menu) {
    case Menu::File: return kFileMenu;
    case Menu::Edit: return kEditMenu;
    case Menu::About: return kAboutMenu;
    case Menu::None: break;
    }
    return {};
}

std::string_view MenuTitle(Menu menu) {
    switch (menu) {
    case Menu::File: return "File";
    case Menu::Edit: return "Edit";
    case Menu::About: return "About";
    case Menu::None: break;
    }
    return {};
}

} // namespace trelvo
