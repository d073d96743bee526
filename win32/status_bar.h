#pragma once

#include "windows_api.h"

#include <array>
#include <string>

namespace trelvo::win32 {

// The status bar along the window's bottom edge: two fields, 120 and 450 pixels wide,
// whatever the window's width; the bar beyond them belongs to no field. A size grip in its
// right corner sizes the window while it is not maximised.
//
// Drawn here rather than by the common controls, whose loading costs a noticeable part
// of the program's start.
class StatusBar {
public:
    StatusBar(HWND parent, int id, HINSTANCE instance);
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    static constexpr int kFieldCount = 2;

    HWND Handle() const { return bar_; }
    // Both fields empty.
    void Clear();
    void SetText(int field, const std::string& text);
    std::string Text(int field) const;
    // Where a field stands in the bar.
    RECT FieldPlace(int field) const;
    // Lays itself out along the bottom edge after the window's size changed.
    void Relayout();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;
    bool ShowsGrip() const;
    RECT GripPlace() const;
    bool InGrip(LPARAM screenPoint) const;

    HWND bar_ = nullptr;
    HFONT font_ = nullptr;
    int height_ = 0;
    std::array<std::string, kFieldCount> texts_;
};

} // namespace trelvo::win32
