#pragma once

#include "win32/viewer/gdiplus_api.h"

namespace trelvo::win32 {

// GDI+ is usable from construction to destruction; one lives as long as the program.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

} // namespace trelvo::win32
