#include "prompt_dialog.h"

#include "ansi_text.h"
#include "clipboard_text.h"
#include "window_class.h"

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

void PlaceControls(HWND dialog) {
    const RECT place = CentredRect(kWindowSize);
    ::MoveWindow(dialog, place.left, place.top, kWindowSize.cx, kWindowSize.cy, FALSE);
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int width = client.right - 2 * kMargin;
    ::MoveWindow(::GetDlgItem(dialog, kPromptMessageId), kMargin, 8, width, 16, FALSE);
    ::MoveWindow(::GetDlgItem(dialog, kPromptFieldId), kMargin, 28, width, 22, FALSE);
    ::MoveWindow(::GetDlgItem(dialog, IDOK), client.right - kMargin - kButtonSize.cx,
                 client.bottom - 8 - kButtonSize.cy, kButtonSize.cx, kButtonSize.cy, FALSE);
}

constexpr wchar_t kFieldProcedure[] = L"TrelvoFieldProcedure";

// The field is a UTF-16 control, so that a character the code page cannot hold is seen as
// itself: typed or pasted, it is refused with the alert sound, as in the editor.
LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(::GetPropW(field, kFieldProcedure));
    const bool refused =
        (message == WM_CHAR && !IsSingleByteCharacter(static_cast<wchar_t>(wParam))) ||
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

void Open(HWND dialog, const Prompt& prompt) {
    ::SetWindowTextA(dialog, prompt.title.c_str());
    ::SetDlgItemTextA(dialog, kPromptMessageId, prompt.message.c_str());
    ::SetDlgItemTextA(dialog, kPromptFieldId, prompt.preset.c_str());
    PlaceControls(dialog);
    const HWND field = ::GetDlgItem(dialog, kPromptFieldId);
    GuardField(field);
    ::SetFocus(field);
    const auto end = static_cast<WPARAM>(prompt.preset.size());
    ::SendMessageA(field, EM_SETSEL, end, static_cast<LPARAM>(end)); // caret after the preset
}

std::string FieldText(HWND dialog) {
    const HWND field = ::GetDlgItem(dialog, kPromptFieldId);
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(field)) + 1, '\0');
    const int copied = ::GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Open(dialog, *reinterpret_cast<Prompt*>(lParam));
        return FALSE; // the focus is set
    }
    if (message != WM_COMMAND)
        return FALSE;
    auto* prompt = reinterpret_cast<Prompt*>(::GetWindowLongPtrA(dialog, DWLP_USER));
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
    // A UTF-16 dialog, for its field; its texts still come and go in the code page.
    const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleA(nullptr), dialog.Data(),
                                                     owner, &PromptProc, reinterpret_cast<LPARAM>(&prompt));
    if (result != IDOK)
        return std::nullopt;
    return prompt.answer;
}

} // namespace trelvo::win32
