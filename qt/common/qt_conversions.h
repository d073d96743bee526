#pragma once

#include "editor/platform.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class QMimeData;

namespace trelvo::qt {

// Editor text is single-byte: byte b is the character U+00b. Characters one byte cannot
// hold come back as '?'; the shell checks for them before anything is saved.
QString FromLatin1(const std::string& bytes);
std::string ToLatin1(const QString& text);
// The first character of `text` that one byte cannot hold, as a code point.
std::optional<char32_t> FirstUnencodable(QStringView text);

// File names and the texts of messages that carry them, in the file system's encoding.
QString FromLocal(const std::string& bytes);
std::string ToLocal(const QString& text);

// The first local file a drag carries (a file manager drags its files as URLs); empty when
// it carries none, as with text or a web address.
QString FirstLocalFile(const QMimeData& data);

// A message text as a label shows it: CR LF (and lone CR) become line breaks.
QString MessageText(const std::string& text);

// Colours of the shell are 0x00BBGGRR.
QColor FromColourRef(std::uint32_t colour);
std::uint32_t ToColourRef(const QColor& colour);

// The font of a FontSpec at the given pixel size (its own height is in the units of
// its device, which the caller knows).
QFont ToQFont(const FontSpec& request, int pixelSize);

} // namespace trelvo::qt
