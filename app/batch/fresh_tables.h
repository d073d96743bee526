#pragma once

#include "engine/truss_model.h"

namespace trelvo {

// The engine's tables for the next deck, zero-filled as a fresh run needs them. Each call
// hands out the same tables again, cleared: one deck at a time.
TrussModel& FreshTables();

} // namespace trelvo
