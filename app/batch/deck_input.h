#pragma once

#include <optional>
#include <string>

namespace trelvo {

// The deck name that stands for standard input.
inline constexpr const char* kStandardInputDeck = "-";

struct DeckInput {
    // The name the deck's messages give the document: the full path of a file, or "-".
    std::string documentName;
    // The deck's bytes; none when the file or standard input could not be read.
    std::optional<std::string> bytes;
};

// Reads the deck named on the command line: a file, or standard input for "-".
DeckInput ReadDeck(const std::string& deckPath);

} // namespace trelvo
