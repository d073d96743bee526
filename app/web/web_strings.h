#pragma once

#include <emscripten/val.h>

#include <string>

namespace trelvo {

// A UTF-8 text as a JavaScript string. Strings otherwise cross as bytes, one character a
// byte, which is what document text needs and UTF-8 text must not get.
inline emscripten::val Utf8Text(const std::string& text) {
    static const emscripten::val decoder = emscripten::val::global("TextDecoder").new_();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    return decoder.call<emscripten::val>(
        "decode", emscripten::val(emscripten::typed_memory_view(text.size(), bytes)));
}

} // namespace trelvo
