// What reaches the editor from the keyboard and the clipboard: Tab moves the focus, and
// a character the code page cannot hold is refused, typed or pasted.
#include "rich_editor.h"

#include "ansi_text.h"
#include "clipboard_text.h"

namespace trelvo::win32 {
namespace {

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

bool IsPasteKey(WPARAM key) {
    const bool control = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT), alt = KeyDown(VK_MENU);
    return (key == 'V' && control && !alt) || (key == VK_INSERT && shift && !control && !alt);
}

bool IsLowSurrogate(WPARAM character) { return character >= 0xDC00 && character < 0xE000; }

} // namespace

bool RichEditor::RefuseTypedCharacter(const MSG& message) const {
    if (message.hwnd != control_ || message.message != WM_CHAR)
        return false;
    if (IsSingleByteCharacter(static_cast<wchar_t>(message.wParam)))
        return false;
    if (!IsLowSurrogate(message.wParam)) // the pair's first half has sounded already
        ::MessageBeep(MB_OK);
    return true;
}

LRESULT CALLBACK RichEditor::InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<RichEditor*>(::GetPropA(window, kObjectProperty));
    return self->HandleInput(message, wParam, lParam);
}

LRESULT RichEditor::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB && !KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) {
            MoveFocus(KeyDown(VK_SHIFT));
            return 0;
        }
        // The control's own paste keys would insert the clipboard unchecked.
        if (IsPasteKey(wParam)) {
            PasteClipboardText();
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\t') // Tab only ever moves the focus
            return 0;
        break;
    case WM_PASTE:
    case EM_PASTESPECIAL:
        PasteClipboardText();
        return 0;
    default:
        break;
    }
    return ::CallWindowProcA(controlProc_, control_, message, wParam, lParam);
}

// All or nothing: a clipboard text holding a character the code page cannot hold inserts
// nothing, and the handler is told which character it was.
void RichEditor::PasteClipboardText() {
    const std::wstring text = ReadClipboardText(control_);
    if (text.empty())
        return;
    if (const std::optional<char32_t> refused = FirstUnencodable(text)) {
        if (insertRefused_)
            insertRefused_(*refused);
        return;
    }
    Replace(ToAnsi(text));
}

void RichEditor::MoveFocus(bool backwards) {
    const HWND next = ::GetNextDlgTabItem(::GetParent(control_), control_, backwards);
    if (next && next != control_)
        ::SetFocus(next);
}

} // namespace trelvo::win32
