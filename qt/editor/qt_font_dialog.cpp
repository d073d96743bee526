#include "qt/editor/qt_font_dialog.h"

#include "qt/common/qt_conversions.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

namespace trelvo::qt {

FontDialog::FontDialog(QWidget* parent, const QString& faceName, int pointSize)
    : QDialog(parent), face_(new QFontComboBox(this)), size_(new QDoubleSpinBox(this)),
      bold_(new QCheckBox(QStringLiteral("&Bold"), this)),
      italic_(new QCheckBox(QStringLiteral("&Italic"), this)),
      underline_(new QCheckBox(QStringLiteral("&Underline"), this)),
      strikeout_(new QCheckBox(QStringLiteral("S&trikeout"), this)),
      colourButton_(new QPushButton(this)) {
    setWindowTitle(QStringLiteral("Font"));
    // The face may be a name the font list spells differently (an alias): it is given
    // back as it was shown.
    face_->setEditable(true);
    face_->setInsertPolicy(QComboBox::NoInsert);
    face_->setCurrentFont(QFont(faceName));
    face_->setEditText(faceName);
    face_->installEventFilter(this);
    face_->lineEdit()->installEventFilter(this);
    size_->setDecimals(1);
    size_->setRange(1.0, 1638.0);
    size_->setValue(pointSize);
    colourButton_->setText(QStringLiteral("&Colour..."));
    colourButton_->setAutoDefault(false);
    SetColour(Qt::black);
    connect(colourButton_, &QPushButton::clicked, this, &FontDialog::PickColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Font:"), face_);
    form->addRow(QStringLiteral("&Size:"), size_);
    form->addRow(QStringLiteral("Effects:"), BuildStyleBoxes());
    form->addRow(QStringLiteral("Colour:"), colourButton_);
    form->addRow(buttons);
    face_->setFocus();
}

// An editable combo box keeps Enter for itself; here Enter confirms the dialog, as it
// does everywhere else in it.
bool FontDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool face = watched == face_ || watched == face_->lineEdit();
    if (face && event->type() == QEvent::KeyPress && !face_->view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* FontDialog::BuildStyleBoxes() {
    auto* boxes = new QWidget(this);
    auto* row = new QHBoxLayout(boxes);
    row->setContentsMargins(0, 0, 0, 0);
    for (QCheckBox* box : {bold_, italic_, underline_, strikeout_})
        row->addWidget(box);
    return boxes;
}

FontChoice FontDialog::Choice() const {
    FontChoice choice;
    choice.faceName = qt::ToLatin1(face_->currentText());
    choice.sizeTenths = static_cast<std::int32_t>(std::lround(size_->value() * 10.0));
    choice.weight = bold_->isChecked() ? 700 : 400;
    choice.italic = italic_->isChecked();
    choice.underline = underline_->isChecked();
    choice.strikeout = strikeout_->isChecked();
    choice.colour = qt::ToColourRef(colour_);
    return choice;
}

void FontDialog::SetColour(const QColor& colour) {
    colour_ = colour;
    QPixmap swatch(16, 12);
    swatch.fill(colour);
    colourButton_->setIcon(QIcon(swatch));
}

void FontDialog::PickColour() {
    const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("Colour"));
    if (chosen.isValid())
        SetColour(chosen);
}

} // namespace trelvo::qt
