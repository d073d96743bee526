#pragma once

#include "editor/command_id.h"
#include "text/editor_text.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trelvo {

// Face, size, style and colour of the editor text.
struct EditorFont {
    std::string faceName = "Arial";
    std::int32_t pointSize = 11;
    std::int32_t styleFlags = 0;       // bold 256, italic 512, underline 4, strikeout 8
    std::uint32_t textColour = 0;      // 0x00BBGGRR
};

inline constexpr std::int32_t kStyleBold = 256;
inline constexpr std::int32_t kStyleItalic = 512;
inline constexpr std::int32_t kStyleUnderline = 4;
inline constexpr std::int32_t kStyleStrikeout = 8;

// What the font dialog gives back when confirmed.
struct FontChoice {
    std::string faceName;
    std::int32_t sizeTenths = 0; // size in tenths of a point
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::uint32_t colour = 0; // 0x00BBGGRR
};

// A font made by the font creation rule: pixel height from points and the display's
// pixels per inch, weight 700 or 400.
struct FontSpec {
    std::string faceName;
    int pixelHeight = 0; // negative: a character height, as the rule gives it
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// The multi-line editor that holds the document: the text operations, the standard edit
// requests, and its font. Characters are single bytes (Latin-1).
class EditorControl : public EditorText {
public:
    virtual void Undo() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    // Shows the whole text in this font and colour; the undo history is emptied and the
    // caret goes to the start, as for a freshly created editor.
    virtual void ApplyFont(const FontSpec& font, std::uint32_t colour) = 0;
    // Grows by at least one with every change of the text, whoever makes it.
    virtual std::uint64_t Revision() const = 0;
    // Length of GetText() without building it.
    virtual std::size_t TextLength() const = 0;
    // 1-based line of the first character that one byte cannot hold, if any.
    virtual std::optional<int> FirstUnencodableLine() const = 0;
};

// A print job begun after the print dialog was confirmed. Coordinates are in 1/600 inch
// from the page's top left corner, whatever the printer's resolution.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual void SetFont(const FontSpec& font, std::uint32_t colour) = 0;
    virtual void DrawText(int x, int y, const std::string& text) = 0;
    // Printable height of the page in 1/600 inch.
    virtual int PageHeight() const = 0;
    // Each false when the printer or its spooler refused the page: the job is then over,
    // and is abandoned when it goes.
    virtual bool NewPage() = 0;
    virtual bool Finish() = 0;
};

enum class SaveChoice { Save, Discard, Cancel };

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// The shell's port, split by concern so that a stand-in implements only what its test
// uses. A front end implements all four and hands them to the shell together.

// The main window's buttons, menu checks and status bar, the help window, and the end of
// the event loop.
class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual void SetButtonEnabled(CommandId id, bool enabled) = 0;
    virtual bool IsButtonEnabled(CommandId id) const = 0;
    // The pressed look of a toggle button, which otherwise flips on its own clicks.
    virtual void SetButtonChecked(CommandId id, bool checked) = 0;
    virtual void SetMenuChecked(CommandId id, bool checked) = 0;
    virtual void BuildStatusBar() = 0; // both fields empty
    virtual void SetStatusText(int field, const std::string& text) = 0;
    virtual void ShowHelpWindow(bool shown) = 0;
    virtual void RequestQuit() = 0;
};

// Modal dialogs. Texts use CR LF between lines. Titles and messages are UTF-8, file names
// and quoted document characters alike; the prompt's preset and answer are document text,
// one byte a character, as the editor holds it. File names are UTF-8 on Windows and the
// file system's bytes elsewhere.
class DialogPort {
public:
    virtual ~DialogPort() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    virtual SaveChoice AskSaveChanges() = 0;
    virtual std::string Prompt(const std::string& title, const std::string& message,
                               const std::string& preset) = 0; // empty when cancelled
    virtual std::string AskOpenFileName(const std::string& title, const std::string& defaultText) = 0;
    virtual std::string AskSaveFileName(const std::string& title, const std::string& defaultText) = 0;
    virtual std::optional<FontChoice> ChooseFont(const std::string& faceName, int pointSize) = 0;
    // Shows the print dialog and begins the job; nothing when cancelled or failed.
    virtual std::unique_ptr<PrintJob> BeginPrint(const std::string& jobName) = 0;
};

// Whole-file reads and atomic replacing writes.
class FilePort {
public:
    virtual ~FilePort() = default;
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
};

// Processes, folders, clock and display.
class SystemPort {
public:
    virtual ~SystemPort() = default;
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workingFolder) = 0;
    virtual std::string FindViewer(const std::string& programFileName) = 0; // empty if none
    virtual std::string CurrentFolder() = 0;
    virtual LocalTime Now() = 0;
    virtual int DisplayDpiY() = 0; // 96 when unknown
};

struct PlatformPorts {
    WindowPort& window;
    DialogPort& dialogs;
    FilePort& files;
    SystemPort& system;
};

} // namespace trelvo
