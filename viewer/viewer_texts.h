#pragma once

#include "viewer/viewer_model.h"

#include <string>

namespace trelvo::viewer {

// The words of the viewer's window, the same in every front end.

// "12 nodes, 14 elements" and where the numbers come from.
std::string SummaryText(const ViewerModel& model);

// The window's title with a document open: "Vantrel - bridge-RZ.TXT".
std::string WindowTitle(const std::string& fileName);

inline constexpr char kOpenPrompt[] = "Open a deck or a results file (File, Open).";
inline constexpr char kViewHint[] =
    "Drag: rotate   Shift+drag or middle drag: pan   Wheel: zoom   Home: reset view";

inline constexpr char kControlsTitle[] = "Vantrel Controls";
inline constexpr char kControlsText[] =
    "Drag with the left button to rotate the truss.\n"
    "Drag with the middle button, or with Shift and the left button, to pan.\n"
    "Turn the wheel to zoom at the pointer; Home resets the view.\n"
    "Point at a node or a bar to see its numbers from the report in the status bar.\n"
    "Arrows at the supports show the reactions, with their values (R turns them off).\n\n"
    "Bars are coloured by stress: red in tension (solid), blue in compression (dashed).\n"
    "A value the report could not print is shown as \"Large Number - OverFlow\", its bars\n"
    "dotted at their undeformed place and its nodes ringed in red.";

inline constexpr char kAboutTitle[] = "About Vantrel";
inline constexpr char kAboutText[] =
    "Vantrel 3.7\nThe results viewer of Trelvo: the deformed shape and the bar stresses "
    "of a truss analysed by Trelvo.";

} // namespace trelvo::viewer
