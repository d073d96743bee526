#pragma once

#include <string_view>

namespace trelvo {

// Reads a deck's bytes line by line. A line ends at CR LF, at a lone CR or at a lone LF.
// Past the end of the text every line reads as empty, as a missing line should.
class DeckLines {
public:
    explicit DeckLines(std::string_view bytes) : bytes_(bytes) {}

    std::string_view Next();
    bool AtEnd() const { return position_ >= bytes_.size(); }
    // 1-based number of the line the last Next() gave.
    int LineNumber() const { return lineNumber_; }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

} // namespace trelvo
