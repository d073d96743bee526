#include "qt/common/qt_conversions.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace trelvo::qt {

QString FromLatin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<char32_t> FirstUnencodable(QStringView text) {
    const auto found = std::find_if(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    if (found == text.end())
        return std::nullopt;
    const auto next = found + 1;
    if (found->isHighSurrogate() && next != text.end() && next->isLowSurrogate())
        return QChar::surrogateToUcs4(*found, *next);
    return found->unicode();
}

QString FromLocal(const std::string& bytes) {
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ToLocal(const QString& text) {
    const QByteArray bytes = QFile::encodeName(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FirstLocalFile(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}

QString MessageText(const std::string& text) {
    QString shown = FromLocal(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QColor FromColourRef(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t ToColourRef(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

QFont ToQFont(const FontSpec& request, int pixelSize) {
    QFont font(FromLatin1(request.faceName));
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(request.weight, 1, 1000)));
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    font.setStrikeOut(request.strikeout);
    return font;
}

} // namespace trelvo::qt
