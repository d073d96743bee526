#pragma once

#include <functional>

class QDialog;

namespace trelvo::qt {

// Called with each modal dialog once it is open and running its own event loop; tests use
// it to answer the dialog as a user would (keys, clicks) or to look at it.
using ModalHook = std::function<void(QDialog& dialog)>;

// Runs the dialog application-modal and returns its result code.
int RunModal(QDialog& dialog, const ModalHook& hook);

} // namespace trelvo::qt
