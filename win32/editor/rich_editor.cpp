#include "win32/editor/rich_editor.h"

#include "win32/editor/wide_text.h"

#include "win32/common/dpi.h"
#include "files/wide_names.h"

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

// EM_STREAMIN reads the text through a callback, in pieces of bytes: here UTF-16.
struct TextSource {
    const std::wstring& text;
    std::size_t position = 0; // in bytes
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<TextSource*>(cookie);
    const auto* bytes = reinterpret_cast<const BYTE*>(source->text.data());
    const std::size_t size = source->text.size() * sizeof(wchar_t);
    const std::size_t count = std::min(static_cast<std::size_t>(wanted), size - source->position);
    std::copy_n(bytes + source->position, count, buffer);
    source->position += count;
    *given = static_cast<LONG>(count);
    return 0;
}

} // namespace

bool LoadRichEditLibrary() {
    static const HMODULE library = ::LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}

RichEditor::RichEditor(HWND parent, int id, const RECT& place) {
    if (!LoadRichEditLibrary())
        return;
    control_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"", kStyle, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!control_)
        return;
    dpi_ = WindowDpi(parent);
    // Plain text: one format for the whole text, and a paste takes only the characters.
    ::SendMessageW(control_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_SINGLECODEPAGE, 0);
    ::SendMessageW(control_, EM_EXLIMITTEXT, 0, kLargestText); // the 64000 limit is saving's
    ::SendMessageW(control_, EM_SETTARGETDEVICE, 0, 1);         // no word wrap: a line is a paragraph
    ::SendMessageW(control_, EM_SETEVENTMASK, 0, ENM_CHANGE);
    ::SetPropW(control_, kObjectProperty, this);
    controlProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InputProc)));
}

RichEditor::~RichEditor() {
    if (dropTarget_) {
        ::RevokeDragDrop(control_);
        dropTarget_->Release();
        ::OleUninitialize();
    }
    if (::IsWindow(control_)) {
        ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
        ::RemovePropW(control_, kObjectProperty);
        ::DestroyWindow(control_);
    }
    if (fontHandle_)
        ::DeleteObject(fontHandle_);
}

// The control holds UTF-16; each character of it stands for one byte of the document.
std::string RichEditor::GetText() const {
    return DocumentBytes(WideText(GT_USECRLF));
}

// Streamed in as plain text, so that a text beginning "{\rtf" is not read as formatting.
void RichEditor::SetText(const std::string& text) {
    const std::wstring paragraphs = win32::WideText(ParagraphText(text));
    TextSource source{paragraphs};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadSource;
    ::SendMessageW(control_, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
    rememberedEmptyLine_ = false;
    ++revision_;
    ::SendMessageW(control_, EM_SETSEL, 0, 0);
}

int RichEditor::ControlLineCount() const {
    return static_cast<int>(::SendMessageW(control_, EM_GETLINECOUNT, 0, 0));
}

int RichEditor::LineCount() const {
    if (IsEmpty())
        return rememberedEmptyLine_ ? 1 : 0;
    return ControlLineCount();
}

std::string RichEditor::GetLine(int line) const {
    if (line < 0 || line >= ControlLineCount())
        return {};
    const LRESULT start = ::SendMessageW(control_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    const LRESULT length = ::SendMessageW(control_, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    TEXTRANGEW range{};
    range.chrg = {static_cast<LONG>(start), static_cast<LONG>(start + length)};
    range.lpstrText = text.data();
    const LRESULT copied = ::SendMessageW(control_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return DocumentBytes(text);
}

int RichEditor::LineStart(int line) const {
    if (line < 0)
        return -1;
    if (line >= ControlLineCount())
        return TextEnd();
    return static_cast<int>(::SendMessageW(control_, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int RichEditor::TextEnd() const {
    GETTEXTLENGTHEX request{GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
    return static_cast<int>(
        ::SendMessageW(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

// One character, one byte.
std::size_t RichEditor::TextLength() const {
    GETTEXTLENGTHEX request{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
    const LRESULT length =
        ::SendMessageW(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0);
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
    ::SendMessageW(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
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
    ::SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    ::SendMessageW(control_, EM_SCROLLCARET, 0, 0);
}

void RichEditor::ReplaceSelection(const std::string& text) {
    Replace(text);
}

void RichEditor::InsertAt(int position, const std::string& text) {
    const CHARRANGE kept = Selection();
    CHARRANGE at{position, position};
    ::SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    Replace(text);
    ::SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
}

// The control cannot hold a NUL byte, which would end the text handed to it; Open ends a
// line at one, so no document brings one in.
void RichEditor::Replace(const std::string& text) {
    const std::wstring paragraphs = win32::WideText(ParagraphText(text));
    ::SendMessageW(control_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(paragraphs.c_str()));
    rememberedEmptyLine_ = false;
    ++revision_;
}

void RichEditor::Undo() { ::SendMessageW(control_, WM_UNDO, 0, 0); }

void RichEditor::Cut() { ::SendMessageW(control_, WM_CUT, 0, 0); }

void RichEditor::Copy() { ::SendMessageW(control_, WM_COPY, 0, 0); }

void RichEditor::Paste() { ::SendMessageW(control_, WM_PASTE, 0, 0); }

// As a freshly made editor: the font the rule gives, the colour as the default character
// format's only change, the text set anew, no undo history, the caret at the start.
void RichEditor::ApplyFont(const FontSpec& font, std::uint32_t colour) {
    const std::string text = GetText();
    const bool remembered = rememberedEmptyLine_;
    font_ = font;
    fontDpi_ = dpi_;
    colour_ = colour;
    SetFontForDpi();
    ShowColours();
    SetText(text);
    rememberedEmptyLine_ = remembered;
    ::SendMessageW(control_, EM_EMPTYUNDOBUFFER, 0, 0);
    ::SendMessageW(control_, EM_SCROLLCARET, 0, 0);
}

// The font's pixel height was made for the DPI the editor had then; on a monitor of
// another scale the same font is as many points, and the text and its history stay.
void RichEditor::SetFontForDpi() {
    const int height = ::MulDiv(font_.pixelHeight, static_cast<int>(dpi_), static_cast<int>(fontDpi_));
    const std::wstring face = WideName(font_.faceName);
    const HFONT made = ::CreateFontW(height, 0, 0, 0, font_.weight, font_.italic, font_.underline,
                                     font_.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                     face.c_str());
    ::SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(made), FALSE);
    if (fontHandle_)
        ::DeleteObject(fontHandle_);
    fontHandle_ = made;
}

void RichEditor::SetDpi(UINT dpi) {
    if (dpi == dpi_)
        return;
    dpi_ = dpi;
    if (fontHandle_)
        SetFontForDpi();
}

// In High Contrast the text and its ground are the theme's window colours, unless a colour
// was chosen in Change Font (any but the starting black), which wins as it always does.
void RichEditor::ShowColours() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool highContrast = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                              (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    const bool themeColours = highContrast && colour_ == 0;
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.dwEffects = themeColours ? CFE_AUTOCOLOR : 0; // automatic: the window text colour
    format.crTextColor = colour_;
    ::SendMessageW(control_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    ::SendMessageW(control_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    // A background of the system's window colour, whatever the mode.
    ::SendMessageW(control_, EM_SETBKGNDCOLOR, TRUE, 0);
}

void RichEditor::OnColoursChanged() { ShowColours(); }

RichEditor::EditingState RichEditor::Editing() const {
    const CHARRANGE selection = Selection();
    EditingState state;
    state.canUndo = ::SendMessageW(control_, EM_CANUNDO, 0, 0) != 0;
    state.hasSelection = selection.cpMax > selection.cpMin;
    state.canPaste = ::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT);
    state.hasText = !IsEmpty();
    return state;
}

std::wstring RichEditor::WideText(DWORD flags) const {
    GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMCHARS | ((flags & GT_USECRLF) ? GTL_USECRLF : 0u),
                           kUnicodeCodePage};
    const LRESULT characters =
        ::SendMessageW(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(characters, 0)) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = flags;
    request.codepage = kUnicodeCodePage;
    const LRESULT copied = ::SendMessageW(control_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

// The control holds UTF-16 inside, so a character that came in some other way than
// typing or pasting is still seen as itself here.
std::optional<int> RichEditor::FirstUnencodableLine() const {
    const std::wstring text = WideText(GT_DEFAULT);
    int line = 1;
    for (wchar_t c : text) {
        if (c == L'\r' || c == L'\n')
            ++line;
        else if (!IsDocumentCharacter(c))
            return line;
    }
    return std::nullopt;
}

} // namespace trelvo::win32
