#pragma once

#include "win32/common/windows_api.h"

namespace trelvo::win32 {

// While a modal dialog owned by the main window is open, the help window takes no input
// either: the dialog disables only its owner.
class ModalScope {
public:
    explicit ModalScope(HWND help) : help_(help), disabled_(::IsWindowEnabled(help) != FALSE) {
        if (disabled_)
            ::EnableWindow(help_, FALSE);
    }
    ~ModalScope() {
        if (disabled_)
            ::EnableWindow(help_, TRUE);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    HWND help_;
    bool disabled_;
};

} // namespace trelvo::win32
