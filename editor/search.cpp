#include "editor/search.h"

#include <limits>
#include <string_view>

namespace trelvo {

namespace {

// Selects a match, or leaves the selection alone when there is none, so that a failed
// search never takes away what the user had selected.
void SelectMatch(EditorText& editor, std::int32_t matchIndex, std::size_t length) {
    if (matchIndex < 0)
        return;
    editor.SelectRange(matchIndex, matchIndex + static_cast<std::int32_t>(length));
}

std::int32_t FindOrMinusOne(const std::string& text, const std::string& pattern,
                            std::int64_t start) {
    // A start beyond what a position can hold lies past the end of any editor text.
    if (start > std::numeric_limits<std::int32_t>::max())
        return -1;
    return FindIn(text, pattern, static_cast<std::int32_t>(start)).value_or(-1);
}

// The search copy of the editor's current text, rebuilt only after the text changed.
const std::string& CurrentSearchCopy(SearchState& state, const EditorControl& editor) {
    if (!state.copyValid || state.copyRevision != editor.Revision()) {
        state.searchCopy = SearchCopy(editor.GetText());
        state.copyRevision = editor.Revision();
        state.copyValid = true;
    }
    return state.searchCopy;
}

} // namespace

std::string SearchCopy(const std::string& text) {
    std::string copy;
    copy.reserve(text.size());
    const std::string_view view(text);
    std::size_t from = 0;
    for (;;) {
        const std::size_t pair = view.find("\r\n", from);
        if (pair == std::string_view::npos) {
            copy.append(view.substr(from));
            return copy;
        }
        copy.append(view.substr(from, pair - from));
        copy += '\n';
        from = pair + 2;
    }
}

std::optional<std::int32_t> FindIn(const std::string& text, const std::string& pattern,
                                   std::int32_t start) {
    if (pattern.empty())
        return std::nullopt;
    const std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start);
    if (from >= text.size())
        return std::nullopt;
    const std::size_t found = std::string_view(text).find(pattern, from);
    if (found == std::string_view::npos)
        return std::nullopt;
    return static_cast<std::int32_t>(found);
}

std::string ReplaceAll(const std::string& text, const std::string& pattern,
                       const std::string& replacement) {
    if (pattern.empty())
        return text;
    std::string result;
    result.reserve(text.size());
    const std::string_view view(text);
    std::size_t from = 0;
    for (;;) {
        const std::size_t found = view.find(pattern, from);
        if (found == std::string_view::npos) {
            result.append(view.substr(from));
            return result;
        }
        result.append(view.substr(from, found - from));
        result += replacement;
        from = found + pattern.size();
    }
}

void FindCommand(SearchState& state, DialogPort& dialogs, EditorControl& editor) {
    state.findText = dialogs.Prompt("Find", "Enter the text to Find", state.findText);
    state.matchIndex = FindOrMinusOne(CurrentSearchCopy(state, editor), state.findText, 0);
    SelectMatch(editor, state.matchIndex, state.findText.size());
}

// Resumes right after the previous match; after a failed search (-1) that is one
// character before the length of the text searched for, as the position rule gives it.
void FindNextCommand(SearchState& state, EditorControl& editor) {
    const std::int64_t start = static_cast<std::int64_t>(state.matchIndex) +
                               static_cast<std::int64_t>(state.findText.size());
    state.matchIndex = FindOrMinusOne(CurrentSearchCopy(state, editor), state.findText, start);
    SelectMatch(editor, state.matchIndex, state.findText.size());
}

void ReplaceCommand(SearchState& state, DialogPort& dialogs, EditorText& editor) {
    state.findText = dialogs.Prompt("Replace", "Entrer the text to be changed", state.findText);
    state.replaceText = dialogs.Prompt("Replace", "Change to", state.replaceText);
    editor.SetText(ReplaceAll(editor.GetText(), state.findText, state.replaceText));
}

} // namespace trelvo
