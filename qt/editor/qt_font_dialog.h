#pragma once

#include "editor/platform.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QPushButton;

namespace trelvo::qt {

// Face, size in points, style and colour of the editor text. It opens preset with a face
// and a size, in regular style and black, whatever the editor shows.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    FontDialog(QWidget* parent, const QString& faceName, int pointSize);

    FontChoice Choice() const;
    QColor Colour() const { return colour_; }
    void SetColour(const QColor& colour);

    QFontComboBox* FaceBox() const { return face_; }
    QDoubleSpinBox* SizeBox() const { return size_; }
    QCheckBox* BoldBox() const { return bold_; }
    QCheckBox* ItalicBox() const { return italic_; }
    QCheckBox* UnderlineBox() const { return underline_; }
    QCheckBox* StrikeoutBox() const { return strikeout_; }
    QPushButton* ColourButton() const { return colourButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildStyleBoxes();
    void PickColour();

    QFontComboBox* face_;
    QDoubleSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strikeout_;
    QPushButton* colourButton_;
    QColor colour_ = Qt::black;
};

} // namespace trelvo::qt
