#include "qt/editor/qt_print_job.h"

#include "qt/common/qt_conversions.h"

#include <QFontMetricsF>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace trelvo::qt {
namespace {

constexpr double kUnitsPerInch = 600.0;

} // namespace

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    scale_ = printer_->resolution() / kUnitsPerInch;
}

std::unique_ptr<QtPrintJob> QtPrintJob::Begin(std::unique_ptr<QPrinter> printer,
                                              const QString& jobName) {
    printer->setDocName(jobName);
    std::unique_ptr<QtPrintJob> job(new QtPrintJob(std::move(printer)));
    if (!job->painter_.begin(job->printer_.get()))
        return nullptr;
    job->painter_.setBackground(Qt::white);
    job->painter_.setBackgroundMode(Qt::TransparentMode);
    return job;
}

QtPrintJob::~QtPrintJob() {
    if (painter_.isActive())
        painter_.end();
}

void QtPrintJob::SetFont(const FontSpec& font, std::uint32_t colour) {
    const int pixels = static_cast<int>(std::lround(std::abs(font.pixelHeight) * scale_));
    painter_.setFont(qt::ToQFont(font, std::max(pixels, 1)));
    painter_.setPen(qt::FromColourRef(colour));
}

// (x, y) is the text's top left corner.
void QtPrintJob::DrawText(int x, int y, const std::string& text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.drawText(QPointF(x * scale_, y * scale_ + metrics.ascent()), qt::FromLatin1(text));
}

int QtPrintJob::PageHeight() const {
    return static_cast<int>(std::floor(printer_->height() / scale_));
}

bool QtPrintJob::NewPage() { return printer_->newPage(); }

bool QtPrintJob::Finish() { return !painter_.isActive() || painter_.end(); }

} // namespace trelvo::qt
