#pragma once

#include "windows_api.h"

namespace trelvo::win32 {

// The toolbar's pictures, 16 pixels square: the system's standard small pictures, read
// from the common controls' file as data (nothing of that library runs), then the
// program's own strip. Each strip's key colour is left out, so a picture shows the
// button's face, plain, checked or pressed, through its background.
class ToolbarPictures {
public:
    explicit ToolbarPictures(HINSTANCE instance);
    ~ToolbarPictures();
    ToolbarPictures(const ToolbarPictures&) = delete;
    ToolbarPictures& operator=(const ToolbarPictures&) = delete;

    static constexpr int kSize = 16;

    int Count() const { return count_; }
    // Index of the first of the program's own pictures; -1 when they were not built in.
    int OwnFirst() const { return ownFirst_; }
    // Draws picture `index` with its top left at `at`; a disabled one as an engraving of
    // its darker lines. An index out of range draws nothing.
    void Draw(HDC target, int index, POINT at, bool disabled) const;

private:
    HBITMAP colours_ = nullptr;  // the pictures, black where the key colour was
    HBITMAP mask_ = nullptr;     // one bit a pixel: set where the key colour was
    HBITMAP engraved_ = nullptr; // one bit a pixel: clear under the darker lines
    HDC source_ = nullptr;
    int count_ = 0;
    int ownFirst_ = -1;
};

} // namespace trelvo::win32
