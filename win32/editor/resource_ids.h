#pragma once

// The editor's own resources beside those every program carries: its toolbar pictures, one
// strip of pictures in this order: ICON1, ICON2, ICON5, ICON6, ICON7, at the two sizes of
// the system's standard pictures (16 and 24 pixels square).
#include "win32/common/program_resource_ids.h"

#define TRELVO_TOOLBAR_PICTURES_16 2
#define TRELVO_TOOLBAR_PICTURES_24 3
