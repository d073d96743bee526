#include "files/document_characters.h"

namespace trelvo {

const CharacterTable& DocumentCharacters() { return Latin1Characters(); }

} // namespace trelvo
