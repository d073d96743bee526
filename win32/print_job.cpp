#include "print_job.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace trelvo::win32 {
namespace {

constexpr double kUnitsPerInch = 600.0;
constexpr WORD kLastPage = 65535;

int Scaled(int units, double scale) { return static_cast<int>(std::lround(units * scale)); }

} // namespace

PrintCanvas::PrintCanvas(HDC device)
    : device_(device), scaleX_(::GetDeviceCaps(device, LOGPIXELSX) / kUnitsPerInch),
      scaleY_(::GetDeviceCaps(device, LOGPIXELSY) / kUnitsPerInch) {
    PreparePage();
}

PrintCanvas::~PrintCanvas() {
    if (font_)
        ::DeleteObject(font_);
}

void PrintCanvas::PreparePage() {
    ::SetBkColor(device_, RGB(255, 255, 255));
    ::SetBkMode(device_, TRANSPARENT);
    ::SetTextColor(device_, colour_);
    ::SetTextAlign(device_, TA_LEFT | TA_TOP);
    if (font_)
        ::SelectObject(device_, font_);
}

void PrintCanvas::SetFont(const FontSpec& font, std::uint32_t colour) {
    const int height = std::max(1, Scaled(std::abs(font.pixelHeight), scaleY_));
    const HFONT made = ::CreateFontA(-height, 0, 0, 0, font.weight, font.italic, font.underline,
                                     font.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, font.faceName.c_str());
    ::SelectObject(device_, made);
    if (font_)
        ::DeleteObject(font_);
    font_ = made;
    colour_ = colour;
    ::SetTextColor(device_, colour_);
}

void PrintCanvas::DrawText(int x, int y, const std::string& text) {
    ::TextOutA(device_, Scaled(x, scaleX_), Scaled(y, scaleY_), text.c_str(), static_cast<int>(text.size()));
}

int PrintCanvas::PageHeight() const {
    return static_cast<int>(std::floor(::GetDeviceCaps(device_, VERTRES) / scaleY_));
}

std::unique_ptr<PrintJobDc> PrintJobDc::Begin(HDC printer, const std::string& jobName) {
    std::unique_ptr<PrintJobDc> job(new PrintJobDc(printer));
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = jobName.c_str();
    if (::StartDocA(printer, &document) <= 0)
        return nullptr;
    job->started_ = true;
    if (::StartPage(printer) <= 0)
        return nullptr;
    job->canvas_.PreparePage();
    return job;
}

// A job that ends before Finish (a page that could not be begun) is not printed.
PrintJobDc::~PrintJobDc() {
    if (started_ && !finished_)
        ::AbortDoc(printer_);
    ::DeleteDC(printer_);
}

// Ending a page may reset the context, so the next one is prepared again.
void PrintJobDc::NewPage() {
    ::EndPage(printer_);
    ::StartPage(printer_);
    canvas_.PreparePage();
}

void PrintJobDc::Finish() {
    if (finished_)
        return;
    ::EndPage(printer_);
    ::EndDoc(printer_);
    finished_ = true;
}

std::unique_ptr<PrintJob> AskPrintJob(HWND owner, const std::string& jobName) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION;
    dialog.nCopies = 1;
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
    dialog.nMinPage = 1;
    dialog.nMaxPage = kLastPage;
    const BOOL chosen = ::PrintDlgA(&dialog);
    if (dialog.hDevMode)
        ::GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        ::GlobalFree(dialog.hDevNames);
    if (!chosen || !dialog.hDC)
        return nullptr;
    return PrintJobDc::Begin(dialog.hDC, jobName);
}

} // namespace trelvo::win32
