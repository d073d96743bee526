#include "win32/editor/prompt_dialog.h"

#include "win32/editor/clipboard_text.h"
#include "win32/common/dpi.h"
#include "files/wide_names.h"
#include "win32/editor/wide_text.h"
#include "win32/common/window_class.h"

#include <vector>

namespace trelvo::win32 {
namespace {

constexpr SIZE kWindowSize{300, 130};
constexpr int kMargin = 10;
constexpr SIZE kButtonSize{75, 24};
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;

// A dialog template in memory: words, with each item on a 4-byte boundary. Sizes are in
// dialog units, only a start: the dialog places its controls in pixels when it opens.
class Template {
public:
    Template() {
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
        AddDouble(style);
        AddDouble(0);        // extended style
        words_.push_back(3); // items
        AddBox(0, 0, 200, 80);
        words_.push_back(0); // no menu
        words_.push_back(0); // the default class
        words_.push_back(0); // the caption is set when the dialog opens
        words_.push_back(8); // points
        AddText(L"MS Shell Dlg");
    }

    void AddItem(DWORD style, WORD id, WORD itemClass, const wchar_t* text) {
        if (words_.size() % 2 != 0)
            words_.push_back(0);
        AddDouble(style | WS_CHILD | WS_VISIBLE);
        AddDouble(0);
        AddBox(0, 0, 10, 10);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(itemClass);
        AddText(text);
        words_.push_back(0); // no creation data
    }

    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AddDouble(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void AddBox(short x, short y, short cx, short cy) {
        for (short value : {x, y, cx, cy})
            words_.push_back(static_cast<WORD>(value));
    }
    void AddText(const wchar_t* text) {
        for (; *text; ++text)
            words_.push_back(static_cast<WORD>(*text));
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

struct Prompt {
    const std::string& title;
    const std::string& message;
    const std::string& preset;
    std::string answer;
};

// Measures at 96 dpi, scaled to the dialog's.
void PlaceControls(HWND dialog) {
    const UINT dpi = WindowDpi(dialog);
    const SIZE size = Scaled(kWindowSize, dpi);
    const RECT place = CentredRect(size);
    ::MoveWindow(dialog, place.left, place.top, size.cx, size.cy, FALSE);
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int margin = Scaled(kMargin, dpi);
    const int width = client.right - 2 * margin;
    const SIZE button = Scaled(kButtonSize, dpi);
    ::MoveWindow(::GetDlgItem(dialog, kPromptMessageId), margin, Scaled(8, dpi), width, Scaled(16, dpi), FALSE);
    ::MoveWindow(::GetDlgItem(dialog, kPromptFieldId), margin, Scaled(28, dpi), width, Scaled(22, dpi), FALSE);
    ::MoveWindow(::GetDlgItem(dialog, IDOK), client.right - margin - button.cx,
                 client.bottom - Scaled(8, dpi) - button.cy, button.cx, button.cy, FALSE);
}

constexpr wchar_t kFieldProcedure[] = L"TrelvoFieldProcedure";

// The field is a UTF-16 control, so that a character no byte stands for is seen as itself:
// typed or pasted, it is refused with the alert sound, as in the editor.
LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(::GetPropW(field, kFieldProcedure));
    const bool refused =
        (message == WM_CHAR && !IsDocumentCharacter(static_cast<wchar_t>(wParam))) ||
        (message == WM_PASTE && FirstUnencodable(ReadClipboardText(field)));
    if (refused) {
        if (message == WM_PASTE || wParam < 0xDC00 || wParam >= 0xE000) // one sound a pair
            ::MessageBeep(MB_OK);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        ::RemovePropW(field, kFieldProcedure);
    }
    return ::CallWindowProcW(original, field, message, wParam, lParam);
}

void GuardField(HWND field) {
    const LONG_PTR original = ::SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FieldProc));
    ::SetPropW(field, kFieldProcedure, reinterpret_cast<HANDLE>(original));
}

// The title and message are UTF-8; the preset and the answer are document text.
void Open(HWND dialog, const Prompt& prompt) {
    ::SetWindowTextW(dialog, WideName(prompt.title).c_str());
    ::SetDlgItemTextW(dialog, kPromptMessageId, WideName(prompt.message).c_str());
    ::SetDlgItemTextW(dialog, kPromptFieldId, WideText(prompt.preset).c_str());
    PlaceControls(dialog);
    const HWND field = ::GetDlgItem(dialog, kPromptFieldId);
    GuardField(field);
    ::SetFocus(field);
    const auto end = static_cast<WPARAM>(prompt.preset.size());
    ::SendMessageW(field, EM_SETSEL, end, static_cast<LPARAM>(end)); // caret after the preset
}

std::string FieldText(HWND dialog) {
    const HWND field = ::GetDlgItem(dialog, kPromptFieldId);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(field)) + 1, L'\0');
    const int copied = ::GetWindowTextW(field, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return DocumentBytes(text);
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Open(dialog, *reinterpret_cast<Prompt*>(lParam));
        return FALSE; // the focus is set
    }
    if (message != WM_COMMAND)
        return FALSE;
    auto* prompt = reinterpret_cast<Prompt*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
    case IDOK:
        prompt->answer = FieldText(dialog);
        ::EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

std::optional<std::string> RunPrompt(HWND owner, const std::string& title,
                                     const std::string& message, const std::string& preset) {
    Template dialog;
    dialog.AddItem(SS_LEFT | SS_NOPREFIX, kPromptMessageId, kStaticClass, L"");
    dialog.AddItem(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kPromptFieldId, kEditClass, L"");
    dialog.AddItem(BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, kButtonClass, L"OK");
    Prompt prompt{title, message, preset, {}};
    const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.Data(),
                                                     owner, &PromptProc, reinterpret_cast<LPARAM>(&prompt));
    if (result != IDOK)
        return std::nullopt;
    return prompt.answer;
}

} // namespace trelvo::win32
