#pragma once

#include "viewer/viewer_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace trelvo::viewer {

// The title of the messages that are the viewer's own, not the engine's.
inline constexpr const char* kViewerTitle = "Vantrel";

// Reads a document: a deck, or a results file (a deck followed by reports, the newest
// directly after the deck). The deck goes through the engine's own reader and analysis,
// so a deck the engine refuses gives the engine's message and no model. Displacements,
// stresses and forces come from the newest report when there is one, and otherwise from
// the analysis made here; the reactions and the equilibrium check always come from that
// analysis. `name` is how messages refer to the document.
LoadResult ReadResultsText(std::string_view bytes, const std::string& name);

// The same for what was read from the file at `path`; nothing read gives a message.
LoadResult ReadResultsFile(const std::optional<std::string>& bytes, const std::string& path);

// The same for a file on the disk.
LoadResult LoadResultsFile(const std::string& path);

} // namespace trelvo::viewer
