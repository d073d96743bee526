// What reaches the editor from the keyboard, the clipboard and drags: Tab moves the
// focus, and a character the code page cannot hold is refused, typed, pasted or dropped.
#include "win32/editor/rich_editor.h"

#include "win32/editor/clipboard_text.h"
#include "win32/editor/wide_text.h"

#include <imm.h>

namespace trelvo::win32 {
namespace {

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

bool IsPasteKey(WPARAM key) {
    const bool control = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT), alt = KeyDown(VK_MENU);
    return (key == 'V' && control && !alt) || (key == VK_INSERT && shift && !control && !alt);
}

bool IsLowSurrogate(WPARAM character) { return character >= 0xDC00 && character < 0xE000; }

// The text an input method has just committed in the window, as UTF-16.
std::wstring CompositionResult(HWND window) {
    std::wstring text;
    if (const HIMC context = ::ImmGetContext(window)) {
        const LONG bytes = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
        if (bytes > 0) {
            text.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
            ::ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(bytes));
        }
        ::ImmReleaseContext(window, context);
    }
    return text;
}

} // namespace

bool RichEditor::RefuseTypedCharacter(const MSG& message) const {
    if (message.hwnd != control_ || message.message != WM_CHAR)
        return false;
    if (IsDocumentCharacter(static_cast<wchar_t>(message.wParam)))
        return false;
    if (!IsLowSurrogate(message.wParam)) // the pair's first half has sounded already
        ::MessageBeep(MB_OK);
    return true;
}

LRESULT CALLBACK RichEditor::InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<RichEditor*>(::GetPropW(window, kObjectProperty));
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
    // The right-click menu is the window's: its commands go through the shell.
    case WM_CONTEXTMENU:
        ::SendMessageW(::GetParent(control_), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control_), lParam);
        return 0;
    // An input method's text is shown in its own window, not in the control, which would
    // take every character of it unchecked; only the commit reaches the text.
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        return ::DefWindowProcW(control_, message, wParam, lParam);
    case WM_IME_COMPOSITION:
        if ((lParam & GCS_RESULTSTR) == 0)
            return ::DefWindowProcW(control_, message, wParam, lParam);
        CommitComposition();
        return 0;
    default:
        break;
    }
    return ::CallWindowProcW(controlProc_, control_, message, wParam, lParam);
}

// All or nothing: a text holding a character the code page cannot hold inserts nothing.
void RichEditor::PasteClipboardText() {
    const std::wstring text = ReadClipboardText(control_);
    if (!text.empty() && !RefuseUnencodable(text))
        Replace(DocumentBytes(text));
}

// A commit is typed text: one the code page cannot hold sounds the alert, as a typed
// character does, and is not inserted.
void RichEditor::CommitComposition() {
    const std::wstring text = CompositionResult(control_);
    if (text.empty())
        return;
    if (FirstUnencodable(text))
        ::MessageBeep(MB_OK);
    else
        Replace(DocumentBytes(text));
}

bool RichEditor::RefuseUnencodable(const std::wstring& text) const {
    const std::optional<char32_t> refused = FirstUnencodable(text);
    if (refused && insertRefused_)
        insertRefused_(*refused);
    return refused.has_value();
}

// Drag and drop needs OLE on this thread; without it the editor simply takes no drops.
void RichEditor::AcceptDrops(TextDropTarget::FileHandler onFile) {
    if (!control_ || dropTarget_ || FAILED(::OleInitialize(nullptr)))
        return;
    dropTarget_ = new TextDropTarget([this](const std::wstring& text, POINT at) { DropText(text, at); },
                                     std::move(onFile));
    if (FAILED(::RegisterDragDrop(control_, dropTarget_))) {
        dropTarget_->Release();
        dropTarget_ = nullptr;
        ::OleUninitialize();
    }
}

// A drop inserts where it lands, with the checks of a paste; a refused one leaves the
// caret where it was.
void RichEditor::DropText(const std::wstring& text, POINT screenPoint) {
    if (RefuseUnencodable(text))
        return;
    POINT client = screenPoint;
    ::ScreenToClient(control_, &client);
    POINTL at{client.x, client.y};
    const auto position = static_cast<LONG>(::SendMessageW(control_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
    CHARRANGE caret{position, position};
    ::SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    Replace(DocumentBytes(text));
    ::SetFocus(control_);
}

void RichEditor::MoveFocus(bool backwards) {
    const HWND next = ::GetNextDlgTabItem(::GetParent(control_), control_, backwards);
    if (next && next != control_)
        ::SetFocus(next);
}

} // namespace trelvo::win32
