#pragma once

#include "editor/platform.h"

#include <QPainter>

#include <memory>

class QPrinter;

namespace trelvo::qt {

// A print job on a printer. The shell's measures are in 1/600 inch; they are scaled to
// the printer's resolution, the font's pixel height included, so the page looks the same
// on every printer.
class QtPrintJob : public PrintJob {
public:
    // Begins the document and its first page; null when the printer cannot be drawn on.
    static std::unique_ptr<QtPrintJob> Begin(std::unique_ptr<QPrinter> printer,
                                             const QString& jobName);
    ~QtPrintJob() override;

    void SetFont(const FontSpec& font, std::uint32_t colour) override;
    void DrawText(int x, int y, const std::string& text) override;
    int PageHeight() const override;
    bool NewPage() override;
    bool Finish() override;

    // Printer pixels per 1/600 inch.
    double Scale() const { return scale_; }
    const QPainter& Painter() const { return painter_; }

private:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    double scale_ = 1.0;
};

} // namespace trelvo::qt
