#pragma once

#include <string>

namespace trelvo::bench {

// A stable 3D deck of 50 nodes and 50 elements: 34 fixed supports and 16 free nodes, each
// free node held by three bars to supports and the free nodes paired by two more bars.
std::string FiftyNodeSpaceDeck();

// Writes text to a file in the temporary folder and returns its path.
std::string WriteTemporaryDeck(const std::string& name, const std::string& text);

} // namespace trelvo::bench
