#include "qt/editor/qt_prompt_dialog.h"

#include "qt/editor/screen_geometry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelvo::qt {

PromptDialog::PromptDialog(QWidget* parent, const QString& title, const QString& message,
                           const QString& preset)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      message_(new QLabel(message, this)), field_(new QLineEdit(preset, this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(title);
    message_->setTextFormat(Qt::PlainText);
    field_->setCursorPosition(static_cast<int>(preset.size()));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(field_);
    layout->addLayout(buttons);

    setFixedSize(300, 130);
    qt::PlaceCentred(*this, QSize(300, 130));
    field_->setFocus();
}

// A dialog that is shown gives its focus widget a tab-focus event, on which a line edit
// selects its text; the preset stays unselected, with the caret after it.
void PromptDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible) {
        field_->deselect();
        field_->end(false);
    }
}

QString PromptDialog::Text() const { return field_->text(); }

} // namespace trelvo::qt
