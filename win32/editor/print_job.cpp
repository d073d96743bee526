#include "win32/editor/print_job.h"

#include "win32/common/message_box.h"
#include "engine/run_analysis.h"
#include "files/wide_names.h"
#include "win32/editor/wide_text.h"

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
    const HFONT made = ::CreateFontW(-height, 0, 0, 0, font.weight, font.italic, font.underline,
                                     font.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, WideName(font.faceName).c_str());
    ::SelectObject(device_, made);
    if (font_)
        ::DeleteObject(font_);
    font_ = made;
    colour_ = colour;
    ::SetTextColor(device_, colour_);
}

void PrintCanvas::DrawText(int x, int y, const std::string& text) {
    const std::wstring characters = WideText(text);
    ::TextOutW(device_, Scaled(x, scaleX_), Scaled(y, scaleY_), characters.c_str(),
               static_cast<int>(characters.size()));
}

int PrintCanvas::PageHeight() const {
    return static_cast<int>(std::floor(::GetDeviceCaps(device_, VERTRES) / scaleY_));
}

std::unique_ptr<PrintJobDc> PrintJobDc::Begin(HDC printer, const std::string& jobName) {
    std::unique_ptr<PrintJobDc> job(new PrintJobDc(printer));
    const std::wstring name = WideName(jobName);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (::StartDocW(printer, &document) <= 0)
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
bool PrintJobDc::NewPage() {
    if (::EndPage(printer_) <= 0 || ::StartPage(printer_) <= 0)
        return false;
    canvas_.PreparePage();
    return true;
}

// A job whose last page or end fails is abandoned, as the destructor abandons it.
bool PrintJobDc::Finish() {
    if (finished_)
        return true;
    if (::EndPage(printer_) <= 0 || ::EndDoc(printer_) <= 0)
        return false;
    finished_ = true;
    return true;
}

std::unique_ptr<PrintJob> AskPrintJob(HWND owner, const std::string& jobName) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION;
    dialog.nCopies = 1;
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
    dialog.nMinPage = 1;
    dialog.nMaxPage = kLastPage;
    const BOOL chosen = ::PrintDlgW(&dialog);
    const DWORD error = chosen ? 0 : ::CommDlgExtendedError();
    if (dialog.hDevMode)
        ::GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        ::GlobalFree(dialog.hDevNames);
    if (error != 0) {
        ShowMessageBox(owner, kWarningTitle, "The print dialog could not be shown (error " +
                                                 std::to_string(error) + "). Is a printer installed?");
        return nullptr;
    }
    if (!chosen || !dialog.hDC)
        return nullptr;
    std::unique_ptr<PrintJob> job = PrintJobDc::Begin(dialog.hDC, jobName);
    if (!job)
        ShowMessageBox(owner, kWarningTitle, "The printer did not start the print job; nothing was printed.");
    return job;
}

} // namespace trelvo::win32
