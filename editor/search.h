#pragma once

#include "text/editor_text.h"
#include "editor/platform.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trelvo {

struct SearchState {
    std::string findText;
    std::string replaceText;
    std::int32_t matchIndex = 0; // editor position of the last match, -1 after none

    // The search copy of the editor text at `copyRevision`, so that stepping through the
    // matches of a large document does not rebuild it at every step.
    std::string searchCopy;
    std::uint64_t copyRevision = 0;
    bool copyValid = false;
};

// The text with every CR LF pair made one LF, so that positions in it are editor positions.
std::string SearchCopy(const std::string& text);

// First occurrence of `pattern` in `text` at or after `start` (below 0 counts as 0); none
// for an empty pattern or a start at or past the end.
std::optional<std::int32_t> FindIn(const std::string& text, const std::string& pattern,
                                   std::int32_t start);

// One left-to-right scan replacing every non-overlapping occurrence; replacement text is
// never scanned again. An empty pattern replaces nothing.
std::string ReplaceAll(const std::string& text, const std::string& pattern,
                       const std::string& replacement);

// Find, Find Next and Replace. A match, also one at the very start, is selected; a search
// that finds nothing sets matchIndex to -1 and leaves the selection as it was. Find Next
// resumes right after the last match, whatever the caret, and does not wrap round.
// Replace asks for both texts, even after a cancel, replaces every occurrence in the whole
// text and sets the text also when nothing changed; it leaves matchIndex alone.
void FindCommand(SearchState& state, DialogPort& dialogs, EditorControl& editor);
void FindNextCommand(SearchState& state, EditorControl& editor);
void ReplaceCommand(SearchState& state, DialogPort& dialogs, EditorText& editor);

} // namespace trelvo
