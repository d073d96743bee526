#pragma once

#include "editor/platform.h"
#include "win32/editor/text_drop_target.h"
#include "win32/common/windows_api.h"

#include <richedit.h>

#include <cstdint>
#include <functional>

namespace trelvo::win32 {

// Loads the rich edit control's library once for the program's life; whether it is there.
bool LoadRichEditLibrary();

// The document editor: a rich edit control (version 2, plain text) that keeps the line and
// position rules of the editor text model. The control ends every paragraph with one CR,
// which is the one-character line end the positions count; the whole text is read with
// CR LF. It holds UTF-16, each character standing for one byte of the document by the
// system's single-byte rule, and takes no character that no byte stands for.
class RichEditor final : public EditorControl {
public:
    // A child of `parent` with the control id `id` at `place` (client coordinates); no
    // control (a null handle) when the library is missing.
    RichEditor(HWND parent, int id, const RECT& place);
    ~RichEditor() override;
    RichEditor(const RichEditor&) = delete;
    RichEditor& operator=(const RichEditor&) = delete;

    HWND Handle() const { return control_; }

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    int LineCount() const override;
    std::string GetLine(int line) const override;
    int LineStart(int line) const override;
    int TextEnd() const override;
    void InsertLine(int line, const std::string& text) override;
    void SelectRange(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;

    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void ApplyFont(const FontSpec& font, std::uint32_t colour) override;
    std::uint64_t Revision() const override { return revision_; }
    std::size_t TextLength() const override;
    std::optional<int> FirstUnencodableLine() const override;

    // The selection as the control holds it: start and end positions, start <= end.
    CHARRANGE Selection() const;

    // What the editing commands of the right-click menu can do now.
    struct EditingState {
        bool canUndo = false;
        bool hasSelection = false;
        bool canPaste = false; // the clipboard holds text
        bool hasText = false;
    };
    EditingState Editing() const;

    // The font again at the window's new DPI, the same number of points.
    void SetDpi(UINT dpi);
    // The system's colours or High Contrast changed: the text's colours follow.
    void OnColoursChanged();

    // The parent passes on the control's change notification (EN_CHANGE), which reports
    // every edit, the user's included.
    void NoteChange() { ++revision_; }

    // Called with the first character of a paste or drop that the code page cannot hold;
    // nothing was inserted.
    void OnInsertRefused(std::function<void(char32_t)> handler) { insertRefused_ = std::move(handler); }

    // Whether the message, read from the queue as UTF-16, is a character typed into the
    // editor that the code page cannot hold: if so the alert sounds (once for a surrogate
    // pair) and the message loop drops it.
    bool RefuseTypedCharacter(const MSG& message) const;

    // Takes dropped text from then on, and hands a dropped file's path to `onFile` (once;
    // a second call does nothing). Not done when the editor is made: starting OLE costs a
    // part of the program's start that the window need not wait for.
    void AcceptDrops(TextDropTarget::FileHandler onFile = {});
    // What a drag over the control talks to; null before AcceptDrops, or when drops could
    // not be accepted.
    IDropTarget* DropTarget() const { return dropTarget_; }

private:
    // The window property that leads from the control to this object.
    static constexpr const wchar_t* kObjectProperty = L"TrelvoEditor";

    static LRESULT CALLBACK InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    bool IsEmpty() const { return TextEnd() == 0; }
    int ControlLineCount() const;
    // Inserts at a position; the selection keeps its positions.
    void InsertAt(int position, const std::string& text);
    void Replace(const std::string& text);
    void PasteClipboardText();
    void CommitComposition();
    void DropText(const std::wstring& text, POINT screenPoint);
    // Whether the code page cannot hold one of the text's characters; if so the handler
    // is told which was the first.
    bool RefuseUnencodable(const std::wstring& text) const;
    void MoveFocus(bool backwards);
    // The whole text as the control holds it; GT_USECRLF for CR LF line ends.
    std::wstring WideText(DWORD flags) const;
    void SetFontForDpi();
    void ShowColours();

    HWND control_ = nullptr;
    WNDPROC controlProc_ = nullptr;
    FontSpec font_;
    HFONT fontHandle_ = nullptr;
    UINT fontDpi_ = 96; // the DPI font_.pixelHeight was made for
    UINT dpi_ = 96;
    std::uint32_t colour_ = 0;
    std::uint64_t revision_ = 0;
    bool rememberedEmptyLine_ = false;
    std::function<void(char32_t)> insertRefused_;
    TextDropTarget* dropTarget_ = nullptr;
};

} // namespace trelvo::win32
