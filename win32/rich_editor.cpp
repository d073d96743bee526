#include "rich_editor.h"

#include "ansi_text.h"

#include <algorithm>

namespace trelvo::win32 {
namespace {

// The control's own drop target is off: it would insert dropped text past the check that
// typing and pasting go through. The editor registers its own (TextDropTarget).
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                         ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL |
                         ES_WANTRETURN | ES_NOOLEDRAGDROP;
constexpr LPARAM kLargestText = 0x7FFFFFFE;
constexpr UINT kUnicodeCodePage = 1200;

// The control's window class lives in riched20.dll, loaded once for the program's life.
void LoadRichEditLibrary() {
    static const HMODULE library = ::LoadLibraryA("riched20.dll");
    (void)library;
}

// EM_STREAMIN reads the text through a callback, in pieces.
struct TextSource {
    const std::string& text;
    std::size_t position = 0;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<TextSource*>(cookie);
    const std::size_t count =
        std::min(static_cast<std::size_t>(wanted), source->text.size() - source->position);
    std::copy_n(source->text.data() + source->position, count, buffer);
    source->position += count;
    *given = static_cast<LONG>(count);
    return 0;
}

} // namespace

RichEditor::RichEditor(HWND parent, int id, const RECT& place) {
    LoadRichEditLibrary();
    control_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "", kStyle, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
    // Plain text: one format for the whole text, and a paste takes only the characters.
    ::SendMessageA(control_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_SINGLECODEPAGE, 0);
    ::SendMessageA(control_, EM_EXLIMITTEXT, 0, kLargestText); // the 64000 limit is saving's
    ::SendMessageA(control_, EM_SETTARGETDEVICE, 0, 1);         // no word wrap: a line is a paragraph
    ::SendMessageA(control_, EM_SETEVENTMASK, 0, ENM_CHANGE);
    ::SetPropA(control_, kObjectProperty, this);
    controlProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InputProc)));
}

RichEditor::~RichEditor() {
    if (dropTarget_) {
        ::RevokeDragDrop(control_);
        dropTarget_->Release();
        ::OleUninitialize();
    }
    if (::IsWindow(control_)) {
        ::SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
        ::RemovePropA(control_, kObjectProperty);
        ::DestroyWindow(control_);
    }
    if (font_)
        ::DeleteObject(font_);
}

std::string RichEditor::GetText() const {
    const std::size_t length = TextLength();
    std::string text(length + 1, '\0'); // the control adds a closing NUL
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size());
    request.flags = GT_USECRLF;
    request.codepage = CP_ACP;
    const LRESULT copied = ::SendMessageA(control_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

// Streamed in as plain text, so that a text beginning "{\rtf" is not read as formatting.
void RichEditor::SetText(const std::string& text) {
    const std::string paragraphs = ParagraphText(text);
    TextSource source{paragraphs};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadSource;
    ::SendMessageA(control_, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    rememberedEmptyLine_ = false;
    ++revision_;
    ::SendMessageA(control_, EM_SETSEL, 0, 0);
}

int RichEditor::ControlLineCount() const {
    return static_cast<int>(::SendMessageA(control_, EM_GETLINECOUNT, 0, 0));
}

int RichEditor::LineCount() const {
    if (IsEmpty())
        return rememberedEmptyLine_ ? 1 : 0;
    return ControlLineCount();
}

std::string RichEditor::GetLine(int line) const {
    if (line < 0 || line >= ControlLineCount())
        return {};
    const LRESULT start = ::SendMessageA(control_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    const LRESULT length = ::SendMessageA(control_, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    TEXTRANGEA range{};
    range.chrg = {static_cast<LONG>(start), static_cast<LONG>(start + length)};
    range.lpstrText = text.data();
    const LRESULT copied = ::SendMessageA(control_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

int RichEditor::LineStart(int line) const {
    if (line < 0)
        return -1;
    if (line >= ControlLineCount())
        return TextEnd();
    return static_cast<int>(::SendMessageA(control_, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int RichEditor::TextEnd() const {
    GETTEXTLENGTHEX request{GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
    return static_cast<int>(
        ::SendMessageA(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

std::size_t RichEditor::TextLength() const {
    GETTEXTLENGTHEX request{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const LRESULT length =
        ::SendMessageA(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0);
    return static_cast<std::size_t>(std::max<LRESULT>(length, 0));
}

void RichEditor::InsertLine(int line, const std::string& text) {
    if (line >= 0 && line < LineCount()) {
        InsertAt(LineStart(line), text + "\r\n");
        return;
    }
    if (IsEmpty() && !rememberedEmptyLine_) {
        if (text.empty()) {
            // The text stays empty, but the next line added at the end starts a new line.
            rememberedEmptyLine_ = true;
            return;
        }
        InsertAt(0, text);
        return;
    }
    InsertAt(TextEnd(), "\r\n" + text);
}

CHARRANGE RichEditor::Selection() const {
    CHARRANGE range{};
    ::SendMessageA(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void RichEditor::SelectRange(int start, int end) {
    CHARRANGE range{};
    if (start < 0) {
        const LONG caret = Selection().cpMax;
        range = {caret, caret};
    } else {
        const TextRange selected = SelectedRange(start, end, TextEnd());
        range = {selected.start, selected.end};
    }
    ::SendMessageA(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    ::SendMessageA(control_, EM_SCROLLCARET, 0, 0);
}

void RichEditor::ReplaceSelection(const std::string& text) {
    Replace(text);
}

void RichEditor::InsertAt(int position, const std::string& text) {
    const CHARRANGE kept = Selection();
    CHARRANGE at{position, position};
    ::SendMessageA(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    Replace(text);
    ::SendMessageA(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
}

// The control cannot hold a NUL byte, which would end the text handed to it; Open ends a
// line at one, so no document brings one in.
void RichEditor::Replace(const std::string& text) {
    const std::string paragraphs = ParagraphText(text);
    ::SendMessageA(control_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(paragraphs.c_str()));
    rememberedEmptyLine_ = false;
    ++revision_;
}

void RichEditor::Undo() { ::SendMessageA(control_, WM_UNDO, 0, 0); }

void RichEditor::Cut() { ::SendMessageA(control_, WM_CUT, 0, 0); }

void RichEditor::Copy() { ::SendMessageA(control_, WM_COPY, 0, 0); }

void RichEditor::Paste() { ::SendMessageA(control_, WM_PASTE, 0, 0); }

// As a freshly made editor: the font the rule gives, the colour as the default character
// format's only change, the text set anew, no undo history, the caret at the start.
void RichEditor::ApplyFont(const FontSpec& font, std::uint32_t colour) {
    const std::string text = GetText();
    const bool remembered = rememberedEmptyLine_;
    const HFONT made = ::CreateFontA(font.pixelHeight, 0, 0, 0, font.weight, font.italic,
                                     font.underline, font.strikeout, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, font.faceName.c_str());
    ::SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(made), FALSE);
    if (font_)
        ::DeleteObject(font_);
    font_ = made;
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR; // the colour only, and automatic colour off
    format.crTextColor = colour;
    ::SendMessageA(control_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SetText(text);
    rememberedEmptyLine_ = remembered;
    ::SendMessageA(control_, EM_EMPTYUNDOBUFFER, 0, 0);
    ::SendMessageA(control_, EM_SCROLLCARET, 0, 0);
}

std::wstring RichEditor::WideText() const {
    GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
    const LRESULT characters =
        ::SendMessageA(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(characters, 0)) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = GT_DEFAULT;
    request.codepage = kUnicodeCodePage;
    const LRESULT copied = ::SendMessageA(control_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

// The control holds UTF-16 inside, so a character that came in some other way than
// typing or pasting is still seen as itself here.
std::optional<int> RichEditor::FirstUnencodableLine() const {
    const std::wstring text = WideText();
    int line = 1;
    for (wchar_t c : text) {
        if (c == L'\r' || c == L'\n')
            ++line;
        else if (!IsSingleByteCharacter(c))
            return line;
    }
    return std::nullopt;
}

} // namespace trelvo::win32
