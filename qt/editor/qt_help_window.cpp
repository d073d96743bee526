#include "qt/editor/qt_help_window.h"

#include "editor/help_texts.h"
#include "qt/common/qt_conversions.h"
#include "qt/editor/screen_geometry.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace trelvo::qt {

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this)) {
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setFixedSize(460, 340);
    qt::PlaceCentred(*this, QSize(460, 340));
    label_->setGeometry(5, 5, 450, 330);
    label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    label_->setText(qt::MessageText(HelpText()));
}

// Measuring fonts costs start-up time, so the font is chosen when the help is first shown.
void HelpWindow::showEvent(QShowEvent* event) {
    if (!fontChosen_) {
        label_->setFont(FittingFont(*label_));
        fontChosen_ = true;
    }
    QWidget::showEvent(event);
}

namespace {

// Whether the label's text fits it in the label's font: the wrapped lines in its height,
// and every line in its width, since a word longer than a line (the rules of "=") is not
// broken but cut.
bool TextFits(const QLabel& label) {
    const QFontMetrics metrics(label.font());
    // A framed label keeps half an "x" between its frame and left-aligned text.
    const int width = label.contentsRect().width() - metrics.horizontalAdvance(QLatin1Char('x')) / 2;
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX),
                                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                              label.text());
    return needed.width() <= width && label.heightForWidth(label.width()) <= label.height();
}

} // namespace

QFont HelpWindow::FittingFont(const QLabel& label) {
    constexpr qreal kLargest = 8.0;
    constexpr qreal kSmallest = 5.0;
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    QLabel probe(label.text());
    probe.setFrameStyle(label.frameStyle());
    probe.setAlignment(label.alignment());
    probe.setWordWrap(label.wordWrap());
    probe.resize(label.size());
    for (qreal points = kLargest;; points -= 0.5) {
        font.setPointSizeF(points);
        probe.setFont(font);
        if (points <= kSmallest || TextFits(probe))
            return font;
    }
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

} // namespace trelvo::qt
