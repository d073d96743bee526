#pragma once

// What the tests put in as a user would: the clipboard's text, and keys held down.
#include <string>

namespace trelvo::win32::test {

bool SetClipboardText(const std::wstring& text);
// A file's name (UTF-8) on the clipboard as Explorer puts it there, or drags it.
bool SetClipboardFile(const std::string& path);

// Keys held down while a test sends key messages: the modifiers that GetKeyState reports.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    unsigned char saved_[256];
};

} // namespace trelvo::win32::test
