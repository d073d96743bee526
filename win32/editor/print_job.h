#pragma once

#include "editor/platform.h"
#include "win32/common/windows_api.h"

#include <memory>

namespace trelvo::win32 {

// The printed page as the job draws on it: coordinates in 1/600 inch from the top left
// corner of the printable area, scaled to the device's resolution, so that a page looks
// the same on every printer. Text is drawn from its top left corner, transparent.
class PrintCanvas {
public:
    explicit PrintCanvas(HDC device);
    ~PrintCanvas();
    PrintCanvas(const PrintCanvas&) = delete;
    PrintCanvas& operator=(const PrintCanvas&) = delete;

    // The font at the device's resolution: its pixel height is taken as 1/600 inch.
    void SetFont(const FontSpec& font, std::uint32_t colour);
    void DrawText(int x, int y, const std::string& text);
    int PageHeight() const;
    // Colours, text mode and font again, on a page just begun.
    void PreparePage();

private:
    HDC device_;
    double scaleX_;
    double scaleY_;
    HFONT font_ = nullptr;
    COLORREF colour_ = 0;
};

// A print job on a printer's device context, which it owns.
class PrintJobDc final : public PrintJob {
public:
    // Begins the document and its first page; nothing when either cannot be begun.
    static std::unique_ptr<PrintJobDc> Begin(HDC printer, const std::string& jobName);
    ~PrintJobDc() override;

    void SetFont(const FontSpec& font, std::uint32_t colour) override { canvas_.SetFont(font, colour); }
    void DrawText(int x, int y, const std::string& text) override { canvas_.DrawText(x, y, text); }
    int PageHeight() const override { return canvas_.PageHeight(); }
    bool NewPage() override;
    bool Finish() override;

private:
    explicit PrintJobDc(HDC printer) : printer_(printer), canvas_(printer) {}

    HDC printer_;
    PrintCanvas canvas_;
    bool started_ = false;
    bool finished_ = false;
};

// The print dialog (one copy, pages 1 to 65535, copies left to the printer's settings)
// and, when a printer was chosen, the job begun on it.
std::unique_ptr<PrintJob> AskPrintJob(HWND owner, const std::string& jobName);

} // namespace trelvo::win32
