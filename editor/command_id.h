#pragma once

namespace trelvo {

// The number shared by a menu item, its accelerator and its toolbar button.
enum class CommandId : int {
    New = 1,
    Open = 2,
    Save = 3,
    SaveAs = 4,
    Cut = 5,
    Copy = 6,
    Paste = 7,
    Print = 8,
    Exit = 10, // also the first toolbar placeholder
    Find = 11,
    FindNext = 12,
    Replace = 13,
    ChangeFont = 14,
    HelpPage = 15,
    About = 16,
    RunAnalysis = 17,
    Placeholder18 = 18,
    Placeholder19 = 19,
    Undo = 20,
    LaunchViewer = 21,
    Delete = 22,    // the editor's context menu
    SelectAll = 23, // the editor's context menu
    Quit = 27, // Escape only
};

} // namespace trelvo
