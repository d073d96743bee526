#include "tests/editor/recording_print_job.h"

namespace trelvo::testing {

std::vector<std::string> PrintRecord::Lines() const {
    std::vector<std::string> lines;
    for (const auto& page : pages)
        for (const DrawCall& draw : page)
            lines.push_back(draw.text);
    return lines;
}

RecordingPrintJob::RecordingPrintJob(PrintRecord& record, int pageHeight)
    : record_(record), pageHeight_(pageHeight) {
    record_.finished = false;
    record_.pages.emplace_back();
}

void RecordingPrintJob::SetFont(const FontSpec& font, std::uint32_t colour) {
    NoteCall();
    record_.fonts.push_back(font);
    record_.colours.push_back(colour);
}

void RecordingPrintJob::DrawText(int x, int y, const std::string& text) {
    NoteCall();
    record_.pages.back().push_back(DrawCall{x, y, text});
}

bool RecordingPrintJob::NewPage() {
    NoteCall();
    if (static_cast<int>(record_.pages.size()) == record_.refusedPage)
        return false;
    record_.pages.emplace_back();
    return true;
}

bool RecordingPrintJob::Finish() {
    NoteCall();
    record_.finished = true;
    return static_cast<int>(record_.pages.size()) != record_.refusedPage;
}

// A job must not be used once finished; counting such calls lets the tests say so.
void RecordingPrintJob::NoteCall() {
    if (record_.finished)
        ++record_.callsAfterFinish;
}

} // namespace trelvo::testing
