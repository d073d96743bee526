#pragma once

// Finding primitives of a scene by role and kind.

#include "viewer/scene.h"

#include <string>
#include <vector>

namespace trelvo::viewer::testing {

template <class T> std::vector<T> Shapes(const Scene& scene, Role role) {
    std::vector<T> found;
    for (const Primitive& item : scene.items)
        if (item.role == role)
            if (const T* shape = std::get_if<T>(&item.shape))
                found.push_back(*shape);
    return found;
}

inline std::vector<std::string> Texts(const Scene& scene, Role role) {
    std::vector<std::string> texts;
    for (const TextPrim& text : Shapes<TextPrim>(scene, role))
        texts.push_back(text.text);
    return texts;
}

inline bool HasText(const Scene& scene, Role role, const std::string& text) {
    for (const std::string& found : Texts(scene, role))
        if (found == text)
            return true;
    return false;
}

} // namespace trelvo::viewer::testing
