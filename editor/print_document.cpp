#include "editor/print_document.h"

#include "editor/font_commands.h"
#include "engine/run_analysis.h"

#include <memory>

namespace trelvo {

namespace {

// Whether the line just drawn at `y` ends its page: it passed the page limit, or the next
// line would start below what the printer can print.
bool PageIsFull(int y, int lineStep, const PrintJob& job) {
    return y > kPrintPageLimit || y + lineStep > job.PageHeight();
}

void ReportPrintFailure(DialogPort& dialogs, int page) {
    dialogs.ShowMessage(kWarningTitle, "Printing failed: the printer did not take page " +
                                           std::to_string(page) + ", and the job was cancelled.");
}

} // namespace

void PrintCommand(const EditorFont& font, DialogPort& dialogs, int displayDpiY,
                  const EditorText& editor) {
    const std::unique_ptr<PrintJob> job = dialogs.BeginPrint("Trelvo");
    if (!job)
        return;
    // The print font is the editor font at four times its size; like the editor font it
    // takes the display's resolution, and the line step keeps the lines apart.
    job->SetFont(
        MakeFont(font.faceName, 4 * font.pointSize, font.styleFlags, displayDpiY),
        font.textColour);
    const int lineStep = 8 * font.pointSize;
    int y = kPrintTop;
    int page = 1;
    for (int line = 0; line < editor.LineCount(); ++line) {
        y += lineStep;
        job->DrawText(kPrintLeft, y, editor.GetLine(line));
        // A new page only for a line that follows: no empty page at the end.
        if (PageIsFull(y, lineStep, *job) && line + 1 < editor.LineCount()) {
            if (!job->NewPage())
                return ReportPrintFailure(dialogs, page);
            ++page;
            y = kPrintTop;
        }
    }
    if (!job->Finish())
        ReportPrintFailure(dialogs, page);
}

} // namespace trelvo
