#include "prerendered_icons.h"

#include <array>

namespace trelvo::qt {
namespace {

constexpr std::array kToolbarPictures{
    ButtonImage::StdNew, ButtonImage::StdOpen,  ButtonImage::StdSave,  ButtonImage::StdPrint,
    ButtonImage::StdCut, ButtonImage::StdCopy,  ButtonImage::StdPaste, ButtonImage::StdFind,
    ButtonImage::Icon1,  ButtonImage::Icon2,    ButtonImage::Icon5,    ButtonImage::Icon6,
    ButtonImage::Icon7,
};
constexpr int kToolbarSize = 16;
constexpr std::array kProgramIconOnlySizes{24, 48, 64, 128};

constexpr auto MakeSizes() {
    std::array<PrerenderedSize, kToolbarPictures.size() * 2 + kProgramIconOnlySizes.size()> sizes{};
    std::size_t next = 0;
    for (ButtonImage image : kToolbarPictures) {
        sizes[next++] = {image, kToolbarSize};
        sizes[next++] = {image, 2 * kToolbarSize};
    }
    for (int size : kProgramIconOnlySizes)
        sizes[next++] = {ButtonImage::Icon1, size};
    return sizes;
}

constexpr auto kSizes = MakeSizes();

} // namespace

std::span<const PrerenderedSize> PrerenderedSizes() { return kSizes; }

} // namespace trelvo::qt
