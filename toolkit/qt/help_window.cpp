#include "help_window.h"

#include "help_texts.h"
#include "qt_conversions.h"
#include "screen_geometry.h"

#include <QCloseEvent>
#include <QLabel>

namespace trelvo {

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

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

} // namespace trelvo
