#pragma once

// Names of the programs' resources, shared by the resource scripts and the code. The
// resource scripts are also read by windres, which understands only the preprocessor.
#define TRELVO_PROGRAM_ICON 1
#define TRELVO_TOOLBAR_PICTURES_16 2
#define TRELVO_TOOLBAR_PICTURES_24 3

// The toolbar pictures are one strip of square pictures in this order: ICON1, ICON2,
// ICON5, ICON6, ICON7. Their background is this colour, which the toolbar leaves out.
#define TRELVO_PICTURE_KEY_RED 255
#define TRELVO_PICTURE_KEY_GREEN 0
#define TRELVO_PICTURE_KEY_BLUE 255
