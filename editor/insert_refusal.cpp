#include "editor/insert_refusal.h"

#include <cstdio>

namespace trelvo {

std::string InsertRefusedText(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return std::string("The text to insert holds the character ") + name +
           ", which one byte cannot hold; nothing was inserted.";
}

} // namespace trelvo
