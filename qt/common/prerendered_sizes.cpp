#include "qt/common/icon_art.h"
#include "qt/common/prerendered_icons.h"

#include <algorithm>
#include <array>
#include <vector>

namespace trelvo::qt {
namespace {

constexpr std::array kToolbarPictures{
    ButtonImage::StdNew, ButtonImage::StdOpen,  ButtonImage::StdSave,  ButtonImage::StdPrint,
    ButtonImage::StdCut, ButtonImage::StdCopy,  ButtonImage::StdPaste, ButtonImage::StdFind,
    ButtonImage::Icon1,  ButtonImage::Icon2,    ButtonImage::Icon5,    ButtonImage::Icon6,
    ButtonImage::Icon7,
};

std::vector<PrerenderedSize> MakeSizes() {
    std::vector<PrerenderedSize> sizes;
    const auto add = [&sizes](ButtonImage image, int size) {
        const bool known = std::any_of(sizes.begin(), sizes.end(), [&](const PrerenderedSize& s) {
            return s.image == image && s.size == size;
        });
        if (!known)
            sizes.push_back({image, size});
    };
    for (ButtonImage image : kToolbarPictures) {
        add(image, kToolbarIconSize);
        add(image, 2 * kToolbarIconSize);
    }
    for (int size : kProgramIconSizes)
        add(ButtonImage::Icon1, size);
    return sizes;
}

} // namespace

std::span<const PrerenderedSize> PrerenderedSizes() {
    static const std::vector<PrerenderedSize> sizes = MakeSizes();
    return sizes;
}

} // namespace trelvo::qt
