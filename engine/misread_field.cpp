#include "engine/misread_field.h"

#include "engine/decimal_text.h"

#include <cmath>

namespace trelvo {
namespace {

constexpr std::size_t kShownFields = 5;

} // namespace

std::string ShortestText(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "+Infinity" : "-Infinity";
    return ShortestDecimal(value);
}

std::string MisreadFieldsText(const std::vector<MisreadField>& fields) {
    std::string text;
    for (std::size_t i = 0; i < fields.size() && i < kShownFields; ++i) {
        if (i > 0)
            text += "\r\n";
        text += "Line " + std::to_string(fields[i].line) + ", field " + std::to_string(fields[i].field) +
                ": \"" + fields[i].text + "\" was read as " + ShortestText(fields[i].readAs);
    }
    if (fields.size() > kShownFields)
        text += "\r\n\xE2\x80\xA6 and " + std::to_string(fields.size() - kShownFields) + " more";
    return text;
}

std::string MisreadFieldDiagnostic(const std::string& deck, const MisreadField& field) {
    return deck + ":" + std::to_string(field.line) + ": field " + std::to_string(field.field) + " \"" +
           field.text + "\" was read as " + ShortestText(field.readAs);
}

} // namespace trelvo
