#pragma once

// Names of the resources every Windows program carries, shared by the resource scripts and
// the code. The resource scripts are also read by windres, which understands only the
// preprocessor.
#define TRELVO_PROGRAM_ICON 1

// A program's own toolbar pictures are a strip of square pictures whose background is this
// colour, which the toolbar leaves out.
#define TRELVO_PICTURE_KEY_RED 255
#define TRELVO_PICTURE_KEY_GREEN 0
#define TRELVO_PICTURE_KEY_BLUE 255
