#pragma once

// Names of the program's resources, shared by the resource script and the code. The
// resource script is also read by windres, which understands only the preprocessor.
#define TRELVO_PROGRAM_ICON 1
#define TRELVO_TOOLBAR_PICTURES 2

// The toolbar pictures are one strip of 16 x 16 pictures in this order: ICON1, ICON2,
// ICON5, ICON6, ICON7. Their background is this colour, which the toolbar leaves out.
#define TRELVO_PICTURE_SIZE 16
#define TRELVO_PICTURE_KEY_RED 255
#define TRELVO_PICTURE_KEY_GREEN 0
#define TRELVO_PICTURE_KEY_BLUE 255
