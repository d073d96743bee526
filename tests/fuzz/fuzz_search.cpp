// Replace and the search copy against plain character-by-character references.
#include "tests/fuzz/fuzz_check.h"
#include "editor/search.h"

#include <cstdint>
#include <string>

namespace {

std::string ReferenceSearchCopy(const std::string& text) {
    std::string copy;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows stands for the pair
        copy += text[i];
    }
    return copy;
}

std::string ReferenceReplace(const std::string& text, const std::string& pattern,
                             const std::string& replacement) {
    if (pattern.empty())
        return text;
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, pattern.size(), pattern) == 0) {
            out += replacement;
            i += pattern.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::int32_t ReferenceFind(const std::string& text, const std::string& pattern, std::int32_t start) {
    if (pattern.empty())
        return -1;
    for (std::size_t i = start < 0 ? 0 : static_cast<std::size_t>(start); i < text.size(); ++i)
        if (text.compare(i, pattern.size(), pattern) == 0)
            return static_cast<std::int32_t>(i);
    return -1;
}

} // namespace

// Input: pattern, replacement and text separated by the byte 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = input.find('\xff');
    const std::size_t second = first == std::string::npos ? first : input.find('\xff', first + 1);
    if (second == std::string::npos)
        return 0;
    const std::string pattern = input.substr(0, first);
    const std::string replacement = input.substr(first + 1, second - first - 1);
    const std::string text = input.substr(second + 1);

    FUZZ_CHECK(trelvo::SearchCopy(text) == ReferenceSearchCopy(text));
    FUZZ_CHECK(trelvo::ReplaceAll(text, pattern, replacement) ==
               ReferenceReplace(text, pattern, replacement));
    const std::string copy = trelvo::SearchCopy(text);
    for (std::int32_t start : {-3, 0, 1, static_cast<std::int32_t>(copy.size() / 2),
                               static_cast<std::int32_t>(copy.size())}) {
        const auto found = trelvo::FindIn(copy, pattern, start);
        FUZZ_CHECK(found.value_or(-1) == ReferenceFind(copy, pattern, start));
    }
    return 0;
}
