#include "app/batch/deck_input.h"

#include "files/read_file.h"

#include <cstdio>
#include <filesystem>

namespace trelvo {
namespace {

// The desktop program names documents by the full path its file requester returns. Names
// are UTF-8 on Windows, which the path's UTF-8 forms carry whole both ways (its narrow forms
// go through the ANSI code page), and bytes elsewhere, which those forms take as they are.
std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute =
        std::filesystem::absolute(std::u8string(path.begin(), path.end()), error);
    if (error)
        return path;
    const std::u8string full = absolute.lexically_normal().u8string();
    return std::string(full.begin(), full.end());
}

std::optional<std::string> ReadStandardInput() {
    std::string bytes;
    char buffer[65536];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        bytes.append(buffer, read);
    if (std::ferror(stdin))
        return std::nullopt;
    return bytes;
}

} // namespace

DeckInput ReadDeck(const std::string& deckPath) {
    if (deckPath == kStandardInputDeck)
        return DeckInput{deckPath, ReadStandardInput()};
    std::string documentName = FullPath(deckPath);
    std::optional<std::string> bytes = ReadWholeFile(documentName);
    return DeckInput{std::move(documentName), std::move(bytes)};
}

} // namespace trelvo
