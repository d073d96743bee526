#pragma once

// A print job that keeps what it received, for the tests to read after the job is gone.

#include "editor/platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trelvo::testing {

struct DrawCall {
    int x = 0;
    int y = 0;
    std::string text;
};

// Everything the print jobs received; every job begins a page. `finished` is the last
// job's.
struct PrintRecord {
    std::vector<std::vector<DrawCall>> pages;
    std::vector<FontSpec> fonts;
    std::vector<std::uint32_t> colours;
    bool finished = false;
    int callsAfterFinish = 0;
    // The page the printer refuses (its new page or, for the last, its finish); 0: none.
    int refusedPage = 0;

    // The texts drawn, page after page.
    std::vector<std::string> Lines() const;
};

class RecordingPrintJob final : public PrintJob {
public:
    RecordingPrintJob(PrintRecord& record, int pageHeight);

    void SetFont(const FontSpec& font, std::uint32_t colour) override;
    void DrawText(int x, int y, const std::string& text) override;
    int PageHeight() const override { return pageHeight_; }
    bool NewPage() override;
    bool Finish() override;

private:
    void NoteCall();

    PrintRecord& record_;
    int pageHeight_;
};

} // namespace trelvo::testing
