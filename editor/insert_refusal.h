#pragma once

#include <string>

namespace trelvo {

// What the user is told when typed, pasted or dropped text holds a character that one byte
// cannot hold: the editor keeps its text and inserts nothing.
std::string InsertRefusedText(char32_t character);

} // namespace trelvo
