#pragma once

#include <string>

namespace trelvo {

inline constexpr const char* kWindowTitle = " TRELVO V.3.7";
inline constexpr const char* kAboutTitle = " Trelvo";

// The help page: the deck described line by line, ending with an example deck.
const std::string& HelpText();
// The example deck the help page ends with, lines ending in CR LF.
const std::string& HelpExampleDeck();
// Built anew on every call.
std::string AboutText();

} // namespace trelvo
