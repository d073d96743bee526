#include "engine/deck_lines.h"

namespace trelvo {

std::string_view DeckLines::Next() {
    ++lineNumber_;
    if (AtEnd())
        return {};
    const std::size_t end = bytes_.find_first_of("\r\n", position_);
    if (end == std::string_view::npos) {
        const std::string_view line = bytes_.substr(position_);
        position_ = bytes_.size();
        return line;
    }
    const std::string_view line = bytes_.substr(position_, end - position_);
    position_ = end + 1;
    if (bytes_[end] == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n')
        ++position_;
    return line;
}

} // namespace trelvo
