#pragma once

#include "windows_api.h"

#include <string>

namespace trelvo::win32 {

// The status bar along the window's bottom edge: two fields, 120 and 450 pixels wide,
// whatever the window's width; the bar beyond them belongs to no field.
class StatusBar {
public:
    StatusBar(HWND parent, int id, HINSTANCE instance);
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    HWND Handle() const { return bar_; }
    // Both fields empty, with their widths set again.
    void Clear();
    void SetText(int field, const std::string& text);
    std::string Text(int field) const;
    // Lays itself out along the bottom edge after the window's size changed.
    void Relayout();

private:
    HWND bar_ = nullptr;
};

} // namespace trelvo::win32
